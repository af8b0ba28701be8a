// SPDX-License-Identifier: MIT
// What the page's window shows, in scripted_outcome's form: runs inside the page, for the
// browser tests and the page's sweep alike.

/** Every control's text, enabled state and colour, by name. */
export function controlStates() {
    const controls = {};
    for (const element of document.querySelectorAll("[data-control]")) {
        // Labels show their ForeColor; buttons and boxes keep the host's colours (black).
        const label = element.classList.contains("label");
        const [r, g, b] = label ? getComputedStyle(element).color.match(/\d+/g).map(Number) : [0, 0, 0];
        controls[element.dataset.control] = {
            text: element instanceof HTMLInputElement ? element.value : element.textContent,
            enabled: !(element instanceof HTMLButtonElement && element.disabled),
            fore: r | (g << 8) | (b << 16),
        };
    }
    return controls;
}
