// Footnote tips: each footnote mark calls popUp on mouseover and mouseout with the id of its
// hidden div.tip, which is shown beside the mouse and hidden again.

var tipOffset = 12;

function placeTip(tip, e) {
  var left = (e.pageX !== undefined ? e.pageX : e.clientX + window.pageXOffset) + tipOffset;
  var top = (e.pageY !== undefined ? e.pageY : e.clientY + window.pageYOffset) + tipOffset;
  // Keep the tip inside the window: a mark near the right edge opens its tip to the left.
  var rightEdge = window.pageXOffset + window.innerWidth;
  if (left + tip.offsetWidth > rightEdge) {
    left = Math.max(window.pageXOffset, rightEdge - tip.offsetWidth - tipOffset);
  }
  // Absolute positions count from the nearest positioned ancestor, which a stylesheet may set.
  var parent = tip.offsetParent;
  if (parent && parent !== document.body && parent !== document.documentElement) {
    var box = parent.getBoundingClientRect();
    left -= box.left + window.pageXOffset + parent.clientLeft;
    top -= box.top + window.pageYOffset + parent.clientTop;
  }
  tip.style.left = left + "px";
  tip.style.top = top + "px";
}

function popUp(event, id) {
  var tip = document.getElementById(id);
  var e = event || window.event;
  if (!tip || !e) {
    return;
  }
  if (e.type === "mouseout") {
    tip.style.display = "none";
    return;
  }
  tip.style.display = "block";
  placeTip(tip, e);
}
