// Page functions the reader calls by name. Pages open with <html> before their DOCTYPE and so
// render in quirks mode: only plain DOM calls that behave the same in both modes are used here.

var selectedAya = null;

// Space kept above the focused aya, so that it does not stick to the window's top edge.
var focusMargin = 8;

function markSelectedAya(element) {
  if (selectedAya && selectedAya !== element) {
    selectedAya.className = selectedAya.className.replace(/(^|\s)selectedAya(?=\s|$)/g, "");
  }
  if (!/(^|\s)selectedAya(\s|$)/.test(element.className)) {
    element.className += " selectedAya";
  }
  selectedAya = element;
}

// Block layouts hold each aya in div.aya, the inline layout in span.aya; both carry the id
// sura + "_" + aya. An unknown aya leaves the page as it is.
function focusOnAya(sura, aya) {
  var element = document.getElementById(sura + "_" + aya);
  if (!element) {
    return false;
  }
  markSelectedAya(element);
  var pageTop = element.getBoundingClientRect().top + window.pageYOffset;
  // The first aya sits right below the sura's heading, which stays in view with it.
  var target = Number(aya) === 1 ? 0 : Math.max(0, pageTop - focusMargin);
  window.scrollTo(window.pageXOffset, target);
  return true;
}
