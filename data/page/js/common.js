// Page functions the reader calls by name. Pages open with <html> before their DOCTYPE and so
// render in quirks mode: only plain DOM calls that behave the same in both modes are used here.

var selectedAya = null;

// Space kept above the focused aya, so that it does not stick to the window's top edge.
var focusMargin = 8;

// The focused aya and its number while the user has not scrolled away from it: a resized
// window brings it back to the top.
var keptAya = null;

function markSelectedAya(element) {
  if (selectedAya && selectedAya !== element) {
    selectedAya.className = selectedAya.className.replace(/(^|\s)selectedAya(?=\s|$)/g, "");
  }
  if (!/(^|\s)selectedAya(\s|$)/.test(element.className)) {
    element.className += " selectedAya";
  }
  selectedAya = element;
}

// The host style sheet may lay ayat out only near the view, with an estimated height until
// then. Every aya that can come near the view around the focused one is laid out for real
// before the scroll, so the scroll lands where it stays: the engine then remembers their
// real heights, and the ayat beyond that reach stay out of the view and keep theirs.
function layOutAround(element) {
  var reach = 2 * window.innerHeight;
  var forced = [];
  var covered = 0;
  var e;
  for (e = element.previousElementSibling; e && covered < reach; e = e.previousElementSibling) {
    covered += layOutForReal(e, forced);
  }
  covered = 0;
  for (e = element; e && covered < reach; e = e.nextElementSibling) {
    covered += layOutForReal(e, forced);
  }
  if (forced.length > 0) {
    // Two frames later the engine has measured them and keeps their heights.
    window.requestAnimationFrame(function () {
      window.requestAnimationFrame(function () {
        for (var i = 0; i < forced.length; i++) {
          forced[i].style.contentVisibility = "";
        }
      });
    });
  }
}

// An aya laid out once at the window's width keeps its real height from then on.
function layOutForReal(element, forced) {
  if (element.laidOutWidth !== window.innerWidth &&
      window.getComputedStyle(element).contentVisibility === "auto") {
    element.style.contentVisibility = "visible";
    element.laidOutWidth = window.innerWidth;
    forced.push(element);
  }
  return element.offsetHeight;
}

function alignAya(element, aya) {
  layOutAround(element);
  var pageTop = element.getBoundingClientRect().top + window.pageYOffset;
  // The first aya sits right below the sura's heading, which stays in view with it.
  var target = Number(aya) === 1 ? 0 : Math.max(0, pageTop - focusMargin);
  window.scrollTo(window.pageXOffset, target);
}

// Block layouts hold each aya in div.aya, the inline layout in span.aya; both carry the id
// sura + "_" + aya. An unknown aya leaves the page as it is.
function focusOnAya(sura, aya) {
  var element = document.getElementById(sura + "_" + aya);
  if (!element) {
    return false;
  }
  markSelectedAya(element);
  alignAya(element, aya);
  keptAya = { element: element, aya: aya };
  return true;
}

window.addEventListener("resize", function () {
  if (keptAya) {
    alignAya(keptAya.element, keptAya.aya);
  }
});

// Any scrolling the user starts lets the focused aya go.
["wheel", "keydown", "mousedown", "touchstart"].forEach(function (type) {
  window.addEventListener(type, function () { keptAya = null; }, true);
});
