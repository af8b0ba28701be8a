// SPDX-License-Identifier: MIT
// Runs before the body is drawn: a page opened at a program's address (#orvane) does not draw
// the launcher first, and the web font starts loading now rather than when text first needs it.
if (location.hash.length > 1) document.documentElement.classList.add("opening");
void document.fonts.load('16px "UMing Subset"', "教");
