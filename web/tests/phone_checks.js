// SPDX-License-Identifier: MIT
// Measurements taken inside the page, shared by the browser tests (Chromium, Firefox) and the
// WebKit test (Selenium): each returns a list of what is wrong, empty when all is well. A plain
// script, not a module, so that both drivers can send it with a call appended.

/** A rectangle as [left, top, right, bottom], rounded to tenths of a pixel. */
function edges(/** @type {DOMRect} */ r) {
    return [r.left, r.top, r.right, r.bottom].map((v) => Math.round(v * 10) / 10);
}

/**
 * Where an element is drawn. WebKit reports the rectangles of a zoomed element and of what it
 * holds in their own, unzoomed pixels (place and size divided by the zoom); there they are
 * scaled back here, and the hit tests below prove the result.
 * @param {Element} element
 */
function drawnRect(element) {
    const r = element.getBoundingClientRect();
    const frame = element.closest(".window");
    if (!(frame instanceof HTMLElement)) return r;
    const zoom = Number(frame.style.zoom || "1");
    if (zoom === 1 || Math.abs(frame.getBoundingClientRect().width - frame.offsetWidth) > 1) return r;
    return new DOMRect(r.left * zoom, r.top * zoom, r.width * zoom, r.height * zoom);
}

/** Whether a tap at the middle of the element's drawn rectangle reaches it (when on screen). */
function takesTapAtItsMiddle(/** @type {Element} */ element) {
    const r = drawnRect(element);
    const x = (r.left + r.right) / 2;
    const y = (r.top + r.bottom) / 2;
    if (y < 0 || y >= document.documentElement.clientHeight) return true;
    const hit = document.elementFromPoint(x, y);
    return hit !== null && element.contains(hit);
}

/**
 * Every control, the window's close button and the page stay within the viewport's width, and
 * below its top: whatever is not on screen is reached by scrolling down, never sideways.
 */
function offScreenSideways() {
    const wrong = [];
    const width = document.documentElement.clientWidth;
    const page = document.scrollingElement;
    if (page.scrollWidth > width) wrong.push(`the page is ${page.scrollWidth} px wide in ${width}`);
    for (const element of document.querySelectorAll(".window [data-control], .window .close")) {
        const r = drawnRect(element);
        if (r.left < 0 || r.right > width || r.top + window.scrollY < 0 || r.width === 0 || !takesTapAtItsMiddle(element))
            wrong.push(`${element.dataset.control ?? "close"} at ${edges(r)} in ${width}`);
    }
    return wrong;
}

/** The texts the window shows: each control's, and the printed text. */
function shownTexts() {
    const texts = {};
    for (const element of document.querySelectorAll(".window [data-control]"))
        texts[element.dataset.control] = element instanceof HTMLInputElement ? element.value : element.textContent;
    texts["[printed]"] = document.querySelector(".window .printed").textContent;
    return texts;
}

/**
 * What changed since `before` (shownTexts' result) is in view: the printed lines and every
 * control whose text changed, wholly, or from its top where it is taller than the viewport.
 * @param {Record<string, string>} before
 */
function answerOutOfView(before) {
    const now = shownTexts();
    const changed = [];
    for (const [name, text] of Object.entries(now)) {
        if (text === before[name] || text === "") continue;
        if (name !== "[printed]") changed.push(document.querySelector(`.window [data-control="${name}"]`));
        else changed.push(...document.querySelectorAll(".window .printed div > div"));
    }
    if (changed.length === 0) return ["the click changed nothing"];
    const rects = changed.map(drawnRect);
    const top = Math.min(...rects.map((r) => r.top));
    const bottom = Math.max(...rects.map((r) => r.bottom));
    const height = window.innerHeight;
    const inView = top >= 0 && (bottom <= height || top < height / 2);
    return inView ? [] : [`the answer spans ${Math.round(top)} to ${Math.round(bottom)} in a view ${height} px high`];
}

/** The open dialog and each of its buttons lie wholly inside the viewport. */
function dialogOffScreen() {
    const box = document.querySelector("dialog.box[open]");
    if (box === null) return ["no dialog is open"];
    const width = document.documentElement.clientWidth;
    const height = document.documentElement.clientHeight;
    const wrong = [];
    for (const element of [box, ...box.querySelectorAll("button")]) {
        const r = element.getBoundingClientRect();
        if (r.left < 0 || r.top < 0 || r.right > width || r.bottom > height)
            wrong.push(`${element.textContent.slice(0, 8)} at ${edges(r)} in ${width}x${height}`);
    }
    return wrong;
}

/**
 * Every enabled button of the window and the open dialog takes a tap anywhere in the square
 * of `side` px centred on it (the part inside the viewport), or, with `outside` set, none 3 px
 * beyond its drawn edges.
 * @param {number} side
 * @param {boolean} outside
 */
function missedTaps(side, outside) {
    const wrong = [];
    const width = document.documentElement.clientWidth;
    const height = document.documentElement.clientHeight;
    const buttons = document.querySelector("dialog.box[open]")?.querySelectorAll("button")
        ?? document.querySelectorAll(".window button:enabled");
    for (const button of buttons) {
        const r = drawnRect(button);
        const x = (r.left + r.right) / 2;
        const y = (r.top + r.bottom) / 2;
        const points = [];
        if (outside) {
            points.push([r.left - 3, y], [r.right + 3, y], [x, r.top - 3], [x, r.bottom + 3]);
        } else {
            const half = side / 2 - 0.5;
            for (const dx of [-half, -half / 2, 0, half / 2, half])
                for (const dy of [-half, -half / 2, 0, half / 2, half]) points.push([x + dx, y + dy]);
        }
        for (const [px, py] of points) {
            if (px < 0 || py < 0 || px >= width || py >= height) continue;
            const hit = document.elementFromPoint(px, py);
            const hitsButton = hit !== null && button.contains(hit);
            if (hitsButton === outside) {
                wrong.push(`${button.dataset.control ?? button.textContent} ${outside ? "takes" : "misses"} ` +
                           `(${Math.round(px)}, ${Math.round(py)}): ${hit?.dataset?.control ?? hit?.tagName}`);
                break;
            }
        }
    }
    return wrong;
}
