// SPDX-License-Identifier: MIT
// The desktop's hostile-input sweep and monkey run, in the page: every step is done in the page
// (a text set into a box or an InputBox's entry and an `input` event fired, as a paste does; a
// button clicked, its dialogs answered) and then in the scripted host with the text the page
// kept (page_sweep_driver.cpp, loaded into this process). After every step the two windows must
// show the same controls, printed text and dialogs, and the scripted host's window must keep
// the programs' window rules.
//
//     node page_sweep_test.mjs sweep|monkey PAGE PAGE_SWEEP_DRIVER_JS
//
// sweep: each hostile text that a DOM string can hold, in a fresh window of every program, into
// every text box, then every button clicked with the text as every InputBox's answer.
// monkey: the desktop monkey's seeded steps in every program (seed 1 in Chromium, 2 in Firefox);
// MONKEY_SEED runs that seed, MONKEY_STEPS sets the steps per program (see DEFAULT_STEPS). A
// failure names the seed and step to replay. PROGRAM=name runs only that program;
// BROWSER=firefox runs either in Firefox.
import { mkdtempSync, rmSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import path from "node:path";
import { pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";
import { controlStates } from "./page_state.mjs";

const [mode, pagePath, driverJs] = process.argv.slice(2);
if (!["sweep", "monkey"].includes(mode) || !driverJs) {
    console.error("usage: node page_sweep_test.mjs sweep|monkey PAGE PAGE_SWEEP_DRIVER_JS");
    process.exit(2);
}
const pageUrl = pathToFileURL(path.resolve(pagePath)).href;
const FIREFOX = process.env.BROWSER === "firefox";
/** Steps per program and seed by default: about a minute in all, in Chromium on a quiet machine. */
const DEFAULT_STEPS = 400;
/** A step still running after this is taken for a hang: only a real hang gets near it. */
const HANG_MS = 120_000;

// --- The scripted twin ------------------------------------------------------------------------

const driver = await createRequire(import.meta.url)(path.resolve(driverJs))();
const encoder = new TextEncoder();

/** Calls the driver with a text as UTF-8 bytes and their count, NULs included. */
function withText(text, call) {
    const bytes = encoder.encode(text);
    const at = driver._malloc(bytes.length + 1);
    driver.HEAPU8.set(bytes, at);
    try {
        return JSON.parse(call(at, bytes.length));
    } finally {
        driver._free(at);
    }
}
const twin = {
    open: (name) => JSON.parse(driver.ccall("driver_open", "string", ["string"], [name])),
    type: (box, text) => withText(text, (at, size) =>
        driver.ccall("driver_type", "string", ["string", "number", "number"], [box, at, size])),
    click: (button, answer, timeOfDay) => withText(answer ?? "", (at, size) =>
        driver.ccall("driver_click", "string", ["string", "number", "number", "number", "number"],
                     [button, at, size, answer === null ? 1 : 0, timeOfDay])),
    hostileTexts: () => JSON.parse(driver.ccall("driver_hostile_texts", "string", [], [])),
    startMonkey: (name, seed) => driver.ccall("driver_monkey_start", null, ["string", "number"], [name, seed]),
    nextStep: () => JSON.parse(driver.ccall("driver_monkey_next", "string", [], [])),
};

// --- The page -------------------------------------------------------------------------------

/**
 * Installed in the page before its own scripts: a clock the test sets (the page's time of day
 * is `performance.now()` after a midnight), and the steps, each one round trip.
 */
function pageSide(midnight, hangMs) {
    let now = 0;
    Object.defineProperty(performance, "timeOrigin", { value: midnight });
    performance.now = () => now;
    const channel = new MessageChannel();
    const nextTask = () => new Promise((resolve) => {
        channel.port1.onmessage = () => resolve();
        channel.port2.postMessage(null);
    });
    const control = (name) => document.querySelector(`[data-control="${name}"]`);
    const paste = (input, text) => {
        input.value = text;
        input.dispatchEvent(new Event("input", { bubbles: true }));
        return input.value;
    };
    const state = (printedFrom) => {
        const controls = window.controlStates();
        const printed = document.querySelector(".printed").textContent;
        return { controls, printedLength: printed.length, printedTail: printed.slice(printedFrom) };
    };
    window.pageSweep = {
        /** Opens a fresh window of the program, through the launcher. */
        async open(name) {
            const old = document.querySelector(".window");
            if (old !== null) old.querySelector(".titlebar .close").click();
            location.hash = name;
            const deadline = Date.now() + hangMs;
            for (;;) {
                const shown = document.querySelector(".window");
                if (shown !== null && shown !== old) return state(0);
                if (Date.now() > deadline) throw new Error(`${name} did not open in ${hangMs} ms`);
                await new Promise((resolve) => setTimeout(resolve, 10));
            }
        },
        type(name, text, printedFrom) {
            return { kept: paste(control(name), text), state: state(printedFrom) };
        },
        /** Clicks a button at a time of day; every InputBox gets the answer, or is cancelled (null). */
        async click(name, answer, timeMs, printedFrom) {
            now = timeMs;
            const dialogs = [];
            let kept = null;
            control(name).click();
            const deadline = Date.now() + hangMs;
            for (;;) {
                const box = document.querySelector("dialog.box[open]");
                if (box !== null) {
                    const entry = box.querySelector("input");
                    dialogs.push({ input: entry !== null, title: box.querySelector("h2").textContent,
                                   prompt: box.querySelector(".prompt").firstChild.textContent });
                    if (entry !== null && answer !== null) kept = paste(entry, answer);
                    const buttons = box.querySelectorAll(".buttons button");
                    buttons[entry !== null && answer === null ? buttons.length - 1 : 0].click();
                } else if (document.querySelector(".window[aria-busy]") === null) {
                    return { dialogs, kept, state: state(printedFrom) };
                }
                if (Date.now() > deadline) throw new Error(`${name} still runs after ${hangMs} ms: taken for a hang`);
                await nextTask();
            }
        },
    };
}

const MIDNIGHT_MS = Date.UTC(2026, 0, 5);
/** Times of day of the clicks, in ms: a quarter ms apart, so every sum with midnight is exact. */
let clockMs = 10 * 3600 * 1000;

const profile = mkdtempSync(path.join(tmpdir(), "teaching-programs-sweep-"));
const environment = { ...process.env, TZ: "UTC", LANG: "de_DE.UTF-8" };
const browser = FIREFOX ? await puppeteer.launch({
    browser: "firefox",
    executablePath: process.env.FIREFOX ?? "/usr/bin/firefox-esr",
    headless: true,
    userDataDir: profile,
    env: environment,
    protocolTimeout: 2 * HANG_MS,
}) : await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    userDataDir: profile,
    env: environment,
    protocolTimeout: 2 * HANG_MS,
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
});

const pageProblems = [];
let failures = 0;

/** A program's window in the page and in the scripted host, stepped together and compared. */
class Pair {
    constructor(page, name) {
        this.page = page;
        this.name = name;
        /** What the scripted host has printed. */
        this.printed = "";
        this.steps = 0;
    }

    async open() {
        const shown = await this.page.evaluate((name) => window.pageSweep.open(name), this.name);
        const opened = twin.open(this.name);
        this.boxes = opened.boxes;
        this.buttons = opened.buttons;
        this.printed = "";
        return this.compare(shown, opened, null);
    }

    /**
     * Where the page's printed text is compared from: all of it while it is short and now and
     * then, else what is new (a long run would otherwise copy it whole at every step).
     */
    from() {
        return this.printed.length < 20_000 || this.steps % 100 === 0 ? 0 : this.printed.length;
    }

    /** The page's state; after a Cls its printed text afresh, as what came before is gone. */
    async whole(state, wanted, from) {
        if (!wanted.state.cleared || from === 0) return state;
        const printed = await this.page.evaluate(() => document.querySelector(".printed")?.textContent ?? "");
        return { ...state, printedLength: printed.length, printedTail: printed };
    }

    /** Types into a box; `what` names the step in the log. */
    async type(box, text, what) {
        const from = this.from();
        const done = await timed(`${this.name}: ${what}`, () =>
            this.page.evaluate((n, t, f) => window.pageSweep.type(n, t, f), box, text, from));
        const wanted = twin.type(box, done.kept);
        return this.compare(await this.whole(done.state, wanted, from), wanted, null, wanted.state.cleared ? 0 : from);
    }

    /** Clicks a button; `what` names the step in the log. */
    async click(button, answer, what) {
        const from = this.from();
        clockMs += 0.25;
        const done = await timed(`${this.name}: ${what}`, () =>
            this.page.evaluate((n, a, t, f) => window.pageSweep.click(n, a, t, f), button, answer, clockMs, from));
        // The scripted host's InputBoxes get what the page's entry kept.
        const wanted = twin.click(button, done.kept ?? answer, clockMs / 1000);
        return this.compare(await this.whole(done.state, wanted, from), wanted, done.dialogs,
                            wanted.state.cleared ? 0 : from);
    }

    /** The differences between the page and the scripted host after a step, and the rule faults. */
    compare(shown, wanted, dialogs, from = 0) {
        ++this.steps;
        const faults = [...wanted.faults];
        this.controls = wanted.state.controls;
        this.printed = wanted.state.cleared ? wanted.state.added : this.printed + wanted.state.added;
        const names = new Set([...Object.keys(shown.controls), ...Object.keys(wanted.state.controls)]);
        for (const name of names) {
            const [a, e] = [JSON.stringify(shown.controls[name]), JSON.stringify(wanted.state.controls[name])];
            if (a !== e) faults.push(`${name}: the page shows ${clip(a)}, the scripted host ${clip(e)}`);
        }
        if (shown.printedLength !== this.printed.length || shown.printedTail !== this.printed.slice(from))
            faults.push(`the page has printed ${shown.printedLength} characters ending ${clip(JSON.stringify(
                shown.printedTail.slice(-60)))}, the scripted host ${this.printed.length} ending ${
                clip(JSON.stringify(this.printed.slice(-60)))}`);
        if (dialogs !== null && JSON.stringify(dialogs) !== JSON.stringify(wanted.dialogs))
            faults.push(`the page showed the dialogs ${clip(JSON.stringify(dialogs))}, the scripted host ${
                clip(JSON.stringify(wanted.dialogs))}`);
        return faults;
    }

    /** True when every button is disabled: the dice game is over. */
    over() {
        return this.buttons.every((button) => !this.controls[button].enabled);
    }
}

/** The slowest step in the page since the last report, for the log (no bound: see HANG_MS). */
let slowest = { ms: 0, what: "" };
async function timed(what, step) {
    const started = Date.now();
    const result = await step();
    if (Date.now() - started >= slowest.ms) slowest = { ms: Date.now() - started, what };
    return result;
}
function slowestStep() {
    const text = `slowest step ${slowest.ms} ms (${slowest.what})`;
    slowest = { ms: 0, what: "" };
    return text;
}

/** A text short enough for a failure message. */
function clip(text) {
    return text.length <= 160 ? text : `${text.slice(0, 150)}... (${text.length} characters)`;
}
/** A text as a failure message shows it: control characters escaped. */
function shown(text) {
    return clip(JSON.stringify(text));
}

async function newPage() {
    const page = await browser.newPage();
    page.on("pageerror", (error) => pageProblems.push(String(error)));
    page.on("console", (message) => {
        if (message.type() === "error" || message.type() === "warn") pageProblems.push(message.text());
    });
    await page.evaluateOnNewDocument(`window.controlStates = ${controlStates};`);
    await page.evaluateOnNewDocument(pageSide, MIDNIGHT_MS, HANG_MS);
    await page.goto(pageUrl);
    await page.waitForSelector("#launcher[data-ready]", { timeout: HANG_MS });
    return page;
}

/** The programs as the page's launcher lists them; PROGRAM=name keeps only that one. */
async function programsOf(page) {
    const names = await page.$$eval("#program-list a[data-program]", (links) => links.map((a) => a.dataset.program));
    return names.filter((name) => (process.env.PROGRAM ?? name) === name);
}

function fail(what, faults, history) {
    ++failures;
    console.log(`FAIL ${what}:`);
    for (const fault of faults.slice(0, 8)) console.log(`    ${fault}`);
    if (faults.length > 8) console.log(`    and ${faults.length - 8} more`);
    if (history.length > 0) console.log(`  the last steps:\n    ${history.join("\n    ")}`);
}

// --- The hostile-input sweep ------------------------------------------------------------------

/**
 * Runs one case. A step the page cannot finish (its module failed, a hang) fails the case too;
 * after a failed case the page is loaded afresh, so that the next one starts sound.
 */
async function guarded(page, what, history, body) {
    let faults;
    try {
        faults = await body();
    } catch (error) {
        faults = [String(error.message ?? error)];
    }
    if (faults.length === 0) return true;
    fail(what, faults, history);
    await page.goto(pageUrl);
    await page.waitForSelector("#launcher[data-ready]", { timeout: HANG_MS });
    return false;
}

async function sweep(page) {
    const { texts, skipped } = twin.hostileTexts();
    console.log(`${texts.length} hostile texts; left out, as no DOM string can hold them: ${skipped.join(", ")}`);
    for (const name of await programsOf(page)) {
        const started = Date.now();
        let steps = 0;
        let failed = 0;
        for (const hostile of texts) {
            const pair = new Pair(page, name);
            const history = [];
            const passed = await guarded(page, `${name} with ${hostile.name}`, history, async () => {
                const faults = await pair.open();
                for (const box of pair.boxes) {
                    history.push(`type ${hostile.name} into ${box}`);
                    faults.push(...await pair.type(box, hostile.text, history.at(-1)));
                }
                for (const button of pair.buttons) {
                    history.push(`click ${button}, answering ${hostile.name}`);
                    faults.push(...await pair.click(button, hostile.text, history.at(-1)));
                }
                return faults;
            });
            steps += pair.steps;
            if (!passed) ++failed;
        }
        console.log(`${failed === 0 ? "ok  " : "FAIL"} ${name}: ${texts.length} texts, ${steps} steps, ${
            slowestStep()} (${Date.now() - started} ms)`);
    }
}

// --- The monkey run -------------------------------------------------------------------------

async function monkey(page) {
    // Firefox takes another seed, so that the two browsers see twice as many sequences.
    const seeds = process.env.MONKEY_SEED ? [Number(process.env.MONKEY_SEED)] : [FIREFOX ? 2 : 1];
    const steps = process.env.MONKEY_STEPS ? Number(process.env.MONKEY_STEPS) : DEFAULT_STEPS;
    for (const name of await programsOf(page)) {
        for (const seed of seeds) {
            const started = Date.now();
            twin.startMonkey(name, seed);
            const pair = new Pair(page, name);
            const history = [];
            let unreadable = 0;
            let windows = 1;
            let step = 0;
            const passed = await guarded(page, `${name} at seed ${seed}`, history, async () => {
                let faults = await pair.open();
                for (step = 1; step <= steps && faults.length === 0; ++step) {
                    const next = twin.nextStep();
                    const text = next.cancel ? null : next.text;
                    if (!next.page) {
                        ++unreadable;
                        continue;
                    }
                    history.push(next.type ? `${step}: type ${shown(text)} into ${next.control}` :
                        `${step}: click ${next.control}${text === null ? ", cancelling any InputBox" :
                                                         `, answering any InputBox ${shown(text)}`}`);
                    if (history.length > 12) history.shift();
                    faults = next.type ? await pair.type(next.control, text, history.at(-1))
                                       : await pair.click(next.control, text, history.at(-1));
                    // The dice game can end; a new game starts in a new window.
                    if (faults.length === 0 && pair.over()) {
                        ++windows;
                        history.push("game over: a new game");
                        faults = await pair.open();
                    }
                }
                if (faults.length > 0) faults.push(`replay: MONKEY_SEED=${seed} MONKEY_STEPS=${step - 1}`);
                return faults;
            });
            console.log(`${passed ? "ok  " : "FAIL"} ${name}, seed ${seed}: ${step - 1} steps (${
                unreadable} left out as no DOM string can hold their text), ${
                windows} windows, ${slowestStep()} (${Date.now() - started} ms)`);
        }
    }
}

try {
    const page = await newPage();
    const started = Date.now();
    await (mode === "sweep" ? sweep(page) : monkey(page));
    console.log(`${mode} in ${FIREFOX ? "Firefox" : "Chromium"}: ${Date.now() - started} ms`);
} finally {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
}
if (pageProblems.length > 0) {
    ++failures;
    console.log(`FAIL the page reported errors:\n    ${pageProblems.slice(0, 8).join("\n    ")}`);
}
console.log(failures === 0 ? "passed" : `${failures} failures`);
process.exit(failures === 0 ? 0 : 1);
