#pragma once

// The scripts the live preview runs in the browser's page. Each is the source of a function
// expression taking text arguments and returning one of the answers below. Both first give up when
// their deadline (milliseconds since the epoch, the page's Date.now()) has passed, so a call that
// reaches a busy page too late changes nothing there.

#include <string_view>

namespace tintora {

// Answers of both scripts.
inline constexpr std::string_view PageUpdated = "updated";
inline constexpr std::string_view PageLoading =
    "loading"; // readyState neither complete nor interactive
inline constexpr std::string_view PageUnsuitable = "skip"; // no body element
inline constexpr std::string_view PageTooLate = "expired"; // the deadline had passed
// Answers of the FONT script only.
inline constexpr std::string_view PageRefusedSelection =
    "refused"; // the selection cannot take the span
inline constexpr std::string_view PageNeedsOuterHtml =
    "outer-html"; // the span is placed; HTML refused

// The span the FONT tag goes into; always this id, whatever the case settings say.
inline constexpr std::string_view FontSpanId = "huxgrd";

// (fragment, renamedId, deadline): puts the FONT tag into the span. A text selection is replaced by
// a new span, the old one being renamed to renamedId first; a selection that spans several table
// cells, or is collapsed (as inside a text field), is refused. Without a selection an existing span
// gets the tag; without a span a new one becomes the body's first child and the page scrolls to
// the top.
extern const std::string_view UpdateFontSpanScript;

// (attribute, "#rrggbb", restyleStamp, deadline): sets one colour attribute of the body (bgColor,
// text, link, vLink or aLink) and makes the page restyle, so that links already shown repaint;
// restyleStamp must differ from the previous call's.
extern const std::string_view UpdateBodyColorScript;

} // namespace tintora
