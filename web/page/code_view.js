// SPDX-License-Identifier: MIT
// A program's own code in a panel beside its window: form1.cpp (the handlers), window.cpp (the
// window description) and form1.h, one tab each, exactly as the build embedded them
// (tools/code_view_data.py's JSON in an inert <script> block, read and laid out only when the
// view first opens), in the desktop's colours. Line numbers stand in a column of their own
// beside the text, so they are never selected or copied with it. Two marks light whole lines:
// the handler that ran, and the focused control's row in the window description.

/**
 * @typedef {{name: string, text: string, runs: (string | number)[]}} CodeFile
 *   runs: three values a run: its kind's letter, the bytes from the last run's end, its bytes
 * @typedef {{button: string, handler: string, first: number, last: number}} HandlerCode
 * @typedef {{control: string, line: number}} ControlRow
 * @typedef {{files: CodeFile[], handlers: HandlerCode[], rows: ControlRow[]}} CodeData
 */

/** The CSS class of each kind of run. */
const CODE_RUN_CLASSES = /** @type {Record<string, string>} */ ({
    K: "keyword", T: "type", S: "string", N: "number", C: "comment", P: "preprocessor",
});
/** The files the marks are on. */
const HANDLERS_FILE = 0;
const WINDOW_FILE = 1;

/** Characters a fixed-width layout gives two columns: CJK and full-width forms. */
const WIDE_CHARACTERS = /[\u2E80-\u9FFF\uF900-\uFAFF\uFF00-\uFF60\uFFE0-\uFFE6]+/g;

/**
 * Appends a piece of code, its wide characters in the Song face (two columns wide, see
 * style.css), the rest as text.
 * @param {Node} parent
 * @param {string} text
 */
function appendCode(parent, text) {
    let at = 0;
    for (const wide of text.matchAll(WIDE_CHARACTERS)) {
        const index = wide.index ?? 0;
        if (index > at) parent.appendChild(document.createTextNode(text.slice(at, index)));
        const span = document.createElement("span");
        span.className = "wide";
        span.textContent = wide[0];
        parent.appendChild(span);
        at = index + wide[0].length;
    }
    if (at < text.length) parent.appendChild(document.createTextNode(text.slice(at)));
}

/**
 * A file's text with its runs coloured. Runs count bytes of UTF-8, as the desktop's do.
 * @param {CodeFile} file
 * @returns {DocumentFragment}
 */
function colouredCode(file) {
    const bytes = new TextEncoder().encode(file.text);
    const decoder = new TextDecoder();
    const fragment = document.createDocumentFragment();
    let at = 0;
    for (let i = 0; i < file.runs.length; i += 3) {
        const begin = at + Number(file.runs[i + 1]);
        const end = begin + Number(file.runs[i + 2]);
        if (begin > at) appendCode(fragment, decoder.decode(bytes.subarray(at, begin)));
        const run = document.createElement("span");
        run.className = CODE_RUN_CLASSES[String(file.runs[i])] ?? "";
        appendCode(run, decoder.decode(bytes.subarray(begin, end)));
        fragment.appendChild(run);
        at = end;
    }
    if (at < bytes.length) appendCode(fragment, decoder.decode(bytes.subarray(at)));
    return fragment;
}

/** The number of lines a text shows: a last line break starts no line of its own. */
function lineCount(/** @type {string} */ text) {
    const breaks = text.split("\n").length - 1;
    return text.endsWith("\n") ? breaks : breaks + 1;
}

class CodeView {
    /**
     * Reads the program's code from the page and lays it out: the view's first opening.
     * @param {string} program   the program's name (orvane)
     */
    constructor(program) {
        const data = /** @type {CodeData} */ (JSON.parse(byId("code-" + program).textContent ?? ""));
        this.data = data;
        this.element = document.createElement("section");
        this.element.className = "code-view";
        this.element.setAttribute("role", "region");
        const tabList = document.createElement("div");
        tabList.setAttribute("role", "tablist");
        /** @type {HTMLButtonElement[]} */
        this.tabs = [];
        /** @type {HTMLElement[]} the files' scrolling panels */
        this.panels = [];
        /** @type {HTMLElement[]} one mark per file: the handler that ran, or the focused row */
        this.marks = [];
        data.files.forEach((file, index) => this.addFile(file, index, tabList));
        this.element.prepend(tabList);
        tabList.addEventListener("keydown", (event) => this.arrowKey(event));
        this.select(HANDLERS_FILE);
    }

    /**
     * @param {CodeFile} file
     * @param {number} index
     * @param {HTMLElement} tabList
     */
    addFile(file, index, tabList) {
        const tab = document.createElement("button");
        tab.type = "button";
        tab.id = "code-tab-" + index;
        tab.setAttribute("role", "tab");
        tab.setAttribute("aria-controls", "code-file-" + index);
        tab.textContent = file.name;
        tab.addEventListener("click", () => this.select(index));
        tabList.append(tab);

        // The panel scrolls and takes focus, so the keyboard scrolls it and a reader reads it.
        const panel = document.createElement("div");
        panel.id = "code-file-" + index;
        panel.className = "code-file";
        panel.tabIndex = 0;
        panel.setAttribute("role", "tabpanel");
        panel.setAttribute("aria-labelledby", tab.id);
        const column = document.createElement("div");
        column.className = "code-column";
        const mark = document.createElement("div");
        mark.className = index === HANDLERS_FILE ? "code-mark ran" : "code-mark focused";
        mark.hidden = true;
        column.append(mark);
        panel.append(column);
        this.element.append(panel);
        this.tabs.push(tab);
        this.panels.push(panel);
        this.marks.push(mark);
    }

    /**
     * Lays a file's text out in its panel, with its line numbers beside it: when its tab is
     * first shown.
     * @param {number} index
     */
    fillPanel(index) {
        const panel = this.panels[index];
        const column = /** @type {HTMLElement} */ (panel.firstElementChild);
        if (column.querySelector(".code-text") !== null) return;
        const file = this.data.files[index];
        const numbers = document.createElement("div");
        numbers.className = "code-numbers";
        numbers.setAttribute("aria-hidden", "true");
        numbers.textContent = Array.from({ length: lineCount(file.text) }, (_, line) => line + 1).join("\n");
        const text = document.createElement("pre");
        text.className = "code-text";
        text.append(colouredCode(file));
        column.append(text);
        const body = document.createElement("div");
        body.className = "code-body";
        body.append(numbers, column);
        panel.append(body);
    }

    /** Shows a file's tab; the view is named by it ("代码：form1.cpp"). */
    select(/** @type {number} */ index) {
        this.fillPanel(index);
        this.tabs.forEach((tab, i) => tab.setAttribute("aria-selected", String(i === index)));
        this.panels.forEach((panel, i) => { panel.hidden = i !== index; });
        this.element.setAttribute("aria-label", "代码：" + this.data.files[index].name);
    }

    /** Left and Right move between the tabs, as in every tab list. */
    arrowKey(/** @type {KeyboardEvent} */ event) {
        if (event.key !== "ArrowLeft" && event.key !== "ArrowRight") return;
        const at = this.tabs.findIndex((tab) => tab === document.activeElement);
        if (at < 0) return;
        const next = (at + (event.key === "ArrowRight" ? 1 : this.tabs.length - 1)) % this.tabs.length;
        this.select(next);
        this.tabs[next].focus();
        event.preventDefault();
    }

    /**
     * Lights the lines (null clears the mark) at their place: every line is one line height.
     * @param {number} file
     * @param {{first: number, last: number} | null} lines
     */
    setMark(file, lines) {
        const mark = this.marks[file];
        mark.hidden = lines === null;
        if (lines === null) return;
        mark.style.top = `calc(${lines.first - 1} * var(--code-line))`;
        mark.style.height = `calc(${lines.last - lines.first + 1} * var(--code-line))`;
    }

    /**
     * Marks the handler the button runs, on the handlers' tab, brought into view (the whole
     * handler where it fits); readers hear "运行了 " and its name. A button that runs nothing
     * clears the mark.
     * @param {string} button
     */
    markHandler(button) {
        const handler = this.data.handlers.find((h) => h.button === button) ?? null;
        if (handler !== null) this.select(HANDLERS_FILE);
        this.setMark(HANDLERS_FILE, handler);
        if (handler === null) return;
        const panel = this.panels[HANDLERS_FILE];
        const line = parseFloat(getComputedStyle(panel).getPropertyValue("--code-line"));
        const top = (handler.first - 1) * line;
        const bottom = handler.last * line;
        const shown = panel.clientHeight;
        if (top < panel.scrollTop || bottom > panel.scrollTop + shown)
            panel.scrollTop = bottom - top <= shown ? top - (shown - (bottom - top)) / 2 : top;
        announce("运行了 " + handler.handler);
    }

    /** Marks the control's row in the window description, whichever tab is shown. */
    markControl(/** @type {string} */ control) {
        const row = this.data.rows.find((r) => r.control === control);
        this.setMark(WINDOW_FILE, row === undefined ? null : { first: row.line, last: row.line });
    }

    clearMarks() {
        for (let file = 0; file < this.marks.length; ++file) this.setMark(file, null);
    }

    /** The shown tab, to take focus when the view opens. */
    selectedTab() {
        return this.tabs.find((tab) => tab.getAttribute("aria-selected") === "true") ?? this.tabs[0];
    }
}

/**
 * The code view of a program's window: made on its first opening, opened and closed by the
 * window's 代码 button and F2, closed by Escape with focus back in the window. Closed, it
 * marks nothing.
 */
class CodePanel {
    /**
     * @param {string} program
     * @param {ProgramWindow} programWindow
     * @param {(shown: boolean) => void} toggled   told when the user opens or closes it
     */
    constructor(program, programWindow, toggled) {
        this.program = program;
        this.programWindow = programWindow;
        this.toggled = toggled;
        /** @type {CodeView | null} */
        this.view = null;
        /** @type {HTMLElement | null} where focus goes back to when the view closes */
        this.returnTo = null;
        programWindow.element.addEventListener("focusin", (event) => {
            const control = event.target instanceof HTMLElement ? event.target.dataset.control : undefined;
            if (this.shown && control !== undefined) this.view?.markControl(control);
        });
    }

    get shown() {
        return this.view !== null && this.view.element.isConnected;
    }

    /** Opens the view, or closes it, as the user asked: the 代码 button or F2. */
    toggle() {
        if (this.shown) this.close();
        else this.open(true);
        this.toggled(this.shown);
    }

    /**
     * Shows the view after the window, marking the focused control's row.
     * @param {boolean} takeFocus   focus moves to its shown tab (not when opened by the address)
     */
    open(takeFocus) {
        if (this.shown) return;
        const view = this.view ?? this.makeView();
        this.programWindow.element.after(view.element);
        this.programWindow.codeButton.setAttribute("aria-expanded", "true");
        const focused = document.activeElement;
        this.returnTo = focused instanceof HTMLElement && this.programWindow.element.contains(focused) ? focused : null;
        if (focused instanceof HTMLElement && focused.dataset.control !== undefined) view.markControl(focused.dataset.control);
        if (takeFocus) view.selectedTab().focus();
    }

    /** The view, read and laid out now; Escape in it closes it. */
    makeView() {
        const view = new CodeView(this.program);
        view.element.addEventListener("keydown", (event) => {
            if (event.key !== "Escape") return;
            event.preventDefault();
            this.close();
            this.toggled(false);
        });
        this.view = view;
        return view;
    }

    /** Closes the view: its marks go, and focus goes back to the window if it was in the view. */
    close() {
        const view = this.view;
        if (view === null || !this.shown) return;
        const hadFocus = view.element.contains(document.activeElement);
        view.clearMarks();
        view.element.remove();
        this.programWindow.codeButton.setAttribute("aria-expanded", "false");
        if (hadFocus) (this.returnTo?.isConnected ? this.returnTo : this.programWindow.element).focus();
    }

    /** A button's handler starts: its code is marked, while the view is shown. */
    handlerStarts(/** @type {string} */ button) {
        if (this.shown) this.view?.markHandler(button);
    }
}
