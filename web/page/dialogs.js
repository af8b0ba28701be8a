// SPDX-License-Identifier: MIT
// MsgBox and InputBox as modal dialogs of the page (never the browser's alert or prompt): a
// new <dialog> each time, named by its title, centred on the window that opened it, removed
// when it closes. The running handler waits for the promise.

const OK_TEXT = "确定";
const CANCEL_TEXT = "取消";
const ERROR_STYLE = 16;
/** The most characters an entry holds, as on the desktop. */
const ENTRY_LIMIT = 32767;

/**
 * Cuts an entry to its first `most` characters. Typing and pasting stop there by themselves
 * (maxLength), but a script or an assistive tool can set any value.
 * @param {HTMLInputElement} entry
 * @param {number} most
 */
function keepWithin(entry, most) {
    if (entry.value.length > most) entry.value = entry.value.slice(0, most);
}

/** Ends the open box as Escape would: a message box as read, an input box cancelled. */
function cancelOpenBox() {
    const box = document.querySelector("dialog.box[open]");
    if (box instanceof HTMLDialogElement) box.close();
}

/**
 * Where an element is drawn: its layout size times the zoom it is shown at. WebKit reports a
 * zoomed element's rectangle in the element's own pixels (its place and size divided by the
 * zoom, so as wide as its layout); other engines report it as drawn.
 * @param {HTMLElement} element
 */
function drawnFrame(element) {
    const r = element.getBoundingClientRect();
    const zoom = Number(element.style.getPropertyValue("zoom") || "1");
    if (zoom === 1 || Math.abs(r.width - element.offsetWidth) > 1) return r;
    return new DOMRect(r.left * zoom, r.top * zoom, element.offsetWidth * zoom, element.offsetHeight * zoom);
}

/**
 * A dialog with its title, its body and its buttons, shown modal over the given window.
 * @param {string} title
 * @param {HTMLElement} owner   the window the dialog is centred on
 * @returns {{dialog: HTMLDialogElement, body: HTMLElement, buttons: HTMLElement}}
 */
function createBox(title, owner) {
    const dialog = document.createElement("dialog");
    dialog.className = "box";
    const heading = document.createElement("h2");
    heading.id = "box-title-" + String(Date.now()) + String(Math.random()).slice(2, 8);
    heading.textContent = title;
    dialog.setAttribute("aria-labelledby", heading.id);
    const body = document.createElement("div");
    body.className = "body";
    const buttons = document.createElement("div");
    buttons.className = "buttons";
    dialog.append(heading, body, buttons);
    document.body.append(dialog);
    const frame = drawnFrame(owner);
    dialog.style.left = frame.left + frame.width / 2 + "px";
    dialog.style.top = frame.top + frame.height / 2 + "px";
    return { dialog, body, buttons };
}

/**
 * Moves an open box wholly into the viewport, a small margin from its edges, keeping it as
 * near its place as fits: a box wider than the viewport's room is centred on it.
 * @param {HTMLDialogElement} dialog
 */
function keepOnScreen(dialog) {
    const MARGIN = 4;
    const box = dialog.getBoundingClientRect();
    const viewport = document.documentElement;
    /** The centre nearest `centre` at which `size` fits within `room`. */
    const within = (/** @type {number} */ centre, /** @type {number} */ size, /** @type {number} */ room) =>
        size + 2 * MARGIN >= room ? room / 2 : Math.min(Math.max(centre, MARGIN + size / 2), room - MARGIN - size / 2);
    dialog.style.left = within(box.left + box.width / 2, box.width, viewport.clientWidth) + "px";
    dialog.style.top = within(box.top + box.height / 2, box.height, viewport.clientHeight) + "px";
}

/**
 * @param {string} text
 * @returns {HTMLButtonElement}
 */
function boxButton(text) {
    const button = document.createElement("button");
    button.type = "button";
    button.textContent = text;
    return button;
}

/** The error icon of style 16: a red disc with a white cross. */
function errorIcon() {
    const ns = "http://www.w3.org/2000/svg";
    const svg = document.createElementNS(ns, "svg");
    svg.setAttribute("viewBox", "0 0 32 32");
    svg.setAttribute("width", "32");
    svg.setAttribute("height", "32");
    svg.setAttribute("role", "img");
    svg.setAttribute("aria-label", "错误图标");
    const disc = document.createElementNS(ns, "circle");
    disc.setAttribute("cx", "16");
    disc.setAttribute("cy", "16");
    disc.setAttribute("r", "15");
    disc.setAttribute("fill", "#d62424");
    const cross = document.createElementNS(ns, "path");
    cross.setAttribute("d", "M10 10L22 22M22 10L10 22");
    cross.setAttribute("stroke", "#fff");
    cross.setAttribute("stroke-width", "4");
    cross.setAttribute("stroke-linecap", "round");
    svg.append(disc, cross);
    return svg;
}

/**
 * Shows a message box and resolves when the user closes it (确定, Enter or Escape).
 * @param {string} prompt
 * @param {number} style
 * @param {string} title
 * @param {HTMLElement} owner
 * @returns {Promise<void>}
 */
function showMessageBox(prompt, style, title, owner) {
    const { dialog, body, buttons } = createBox(title, owner);
    if (style === ERROR_STYLE) body.append(errorIcon());
    const text = document.createElement("p");
    text.className = "prompt";
    text.textContent = prompt;
    body.append(text);
    const ok = boxButton(OK_TEXT);
    buttons.append(ok);
    return new Promise((resolve) => {
        ok.addEventListener("click", () => dialog.close());
        dialog.addEventListener("close", () => {
            dialog.remove();
            resolve();
        });
        dialog.showModal();
        keepOnScreen(dialog);
        ok.focus();
    });
}

/**
 * Shows an input box and resolves with the typed text, or "" when the user cancels
 * (取消 or Escape). Enter in the entry is 确定.
 * @param {string} prompt
 * @param {string} title
 * @param {HTMLElement} owner
 * @returns {Promise<string>}
 */
function showInputBox(prompt, title, owner) {
    const { dialog, body, buttons } = createBox(title, owner);
    const column = document.createElement("div");
    const text = document.createElement("label");
    text.className = "prompt";
    text.textContent = prompt;
    const entry = document.createElement("input");
    entry.type = "text";
    entry.autocomplete = "off";
    entry.maxLength = ENTRY_LIMIT;
    entry.addEventListener("input", () => keepWithin(entry, ENTRY_LIMIT));
    text.append(entry);
    column.append(text);
    body.append(column);
    const ok = boxButton(OK_TEXT);
    const cancel = boxButton(CANCEL_TEXT);
    buttons.append(ok, cancel);
    return new Promise((resolve) => {
        let answer = "";
        const accept = () => {
            keepWithin(entry, ENTRY_LIMIT);
            answer = entry.value;
            dialog.close();
        };
        ok.addEventListener("click", accept);
        cancel.addEventListener("click", () => dialog.close());
        entry.addEventListener("keydown", (event) => {
            // Enter that ends an input method's composition belongs to the composition.
            if (event.key === "Enter" && !event.isComposing) {
                event.preventDefault();
                accept();
            }
        });
        dialog.addEventListener("close", () => {
            dialog.remove();
            resolve(answer);
        });
        dialog.showModal();
        keepOnScreen(dialog);
        entry.focus();
    });
}
