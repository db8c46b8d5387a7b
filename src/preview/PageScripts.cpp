#include "preview/PageScripts.h"

namespace tintora {

const std::string_view UpdateFontSpanScript = R"js(function (fragment, renamedId, deadline) {
  'use strict';
  if (Date.now() > Number(deadline)) return 'expired';
  if (document.readyState !== 'complete' && document.readyState !== 'interactive') return 'loading';
  const spanId = 'huxgrd';
  const old = document.getElementById(spanId) || document.getElementsByName(spanId)[0] || null;
  const selection = document.getSelection();
  const cellOf = (node) => {
    for (let n = node; n; n = n.parentNode) {
      if (n.nodeName === 'TD' || n.nodeName === 'TH') return n;
    }
    return null;
  };
  const newSpan = () => {
    const span = document.createElement('span');
    span.id = spanId;
    return span;
  };
  let span;
  if (selection && selection.type === 'Range' && selection.rangeCount > 0) {
    if (old) old.id = renamedId;
    const range = selection.getRangeAt(0);
    const active = document.activeElement;
    const inTextControl = active && (active.nodeName === 'INPUT' || active.nodeName === 'TEXTAREA');
    if (range.collapsed || inTextControl || cellOf(range.startContainer) !== cellOf(range.endContainer)) {
      return 'refused';
    }
    range.deleteContents();
    span = newSpan();
    range.insertNode(span);
    selection.removeAllRanges();
  } else if (old) {
    span = old;
  } else {
    if (!document.body) return 'skip';
    span = newSpan();
    document.body.insertBefore(span, document.body.firstChild);
    window.scrollTo(0, 0);
  }
  try {
    span.innerHTML = fragment;
  } catch (e) {
    return 'outer-html';
  }
  return 'updated';
})js";

const std::string_view UpdateBodyColorScript =
    R"js(function (attribute, color, restyleStamp, deadline) {
  'use strict';
  if (Date.now() > Number(deadline)) return 'expired';
  if (document.readyState !== 'complete' && document.readyState !== 'interactive') return 'loading';
  const body = document.body;
  if (!(body instanceof HTMLBodyElement)) return 'skip';
  body[attribute] = color;
  // Link colours set on the body do not repaint links already laid out; a changed inherited
  // property on the root makes every element restyle.
  document.documentElement.style.setProperty('--tintora-restyle', restyleStamp);
  return 'updated';
})js";

} // namespace tintora
