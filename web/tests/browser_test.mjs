// SPDX-License-Identifier: MIT
// Browser tests of teaching-programs.html in headless Chromium, opened from file://, in one
// browser session: the launcher, one typical click per program compared with the scripted host,
// a whole dice game, a runtime error, the accessibility tree of every window, a keyboard-only
// dice round, the dialogs' keys, hostile texts (NULs, past 32,767 characters), a held Enter,
// closing and Back during a dialog, a malformed address, the code view (its marks, its key and
// link, every program's files shown exactly), what crosses into the page per click,
// a module broken from outside and started again, phone screens (every program at 390 px,
// dialogs at three widths, touch targets, digit keyboards), and over the whole run no network
// request and no console error.
//
//     node browser_test.mjs PAGE SCRIPTED_OUTCOME_JS PROGRAMS_JSON [SCREENSHOT_DIR]
//
// BROWSER=firefox runs the same cases in Firefox (firefox-esr, over WebDriver BiDi), which has
// no DevTools protocol: there the accessibility tree, the input method and the tap are left out.
// ONLY=REGEX runs only the cases whose names match.
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";
import { controlStates } from "./page_state.mjs";

/** The measurements taken inside the page (phone_checks.js), shared with the WebKit test. */
const PHONE_CHECKS = readFileSync(new URL("./phone_checks.js", import.meta.url), "utf8");
/** Runs one of phone_checks.js's functions in the page: `call` is its call, as text. */
const measure = (page, call) => page.evaluate(`${PHONE_CHECKS}\n${call}`);

const [pagePath, outcomeTool, programsJson, shotDir] = process.argv.slice(2);
if (!programsJson) {
    console.error("usage: node browser_test.mjs PAGE SCRIPTED_OUTCOME_JS PROGRAMS_JSON [SCREENSHOT_DIR]");
    process.exit(2);
}
const pageUrl = pathToFileURL(path.resolve(pagePath)).href;
const FIREFOX = process.env.BROWSER === "firefox";
const ONLY = process.env.ONLY ? new RegExp(process.env.ONLY) : null;

// The programs in the order of programs.tsv, with each one's typical use (its folder's
// typical_use.txt) in the step language: type:BOX=TEXT, compose:BOX=PREEDIT=TEXT (an input
// method shows PREEDIT, then commits TEXT), answer:TEXT (typed into the next InputBox), cancel,
// click:BUTTON; the page's own cases add set:BOX=TEXT (a script or a paste sets the value and
// fires input) and paste:TEXT (set into the next InputBox as set: does). The page takes no
// scripted random values: random: steps are left out, for the scripted host too, which then
// draws from the frozen clock as the page does.
const PROGRAMS = JSON.parse(readFileSync(programsJson, "utf8"));
const TYPICAL = Object.fromEntries(PROGRAMS.map((program) =>
    [program.name, program.typical_use.filter((step) => !step.startsWith("random:"))]));
const NAMES = Object.keys(TYPICAL);
const SOURCE = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "../..");
const CODE_FILES = ["form1.cpp", "window.cpp", "form1.h"];

// The frozen clock of the comparison tab: 10:00:00.0005 on a fixed day, in UTC.
const FROZEN_MS = Date.UTC(2026, 0, 5, 10, 0, 0) + 0.5;
const FROZEN_TIME_OF_DAY = String((FROZEN_MS - Date.UTC(2026, 0, 5)) / 1000);

// The limit of every wait, the browser's start and each page's load. A wait ends as soon as the
// page gets where it is going (milliseconds; seconds on a busy machine or in Firefox), so only a
// page that never gets there runs one out, however slow the machine.
const WAIT_LIMIT_MS = 120_000;

const failures = [];
const consoleProblems = [];
const requests = [];
let cases = 0;

function check(condition, message) {
    if (!condition) throw new Error(message);
}
/** Objects with their keys sorted: the page lists controls in reading order, the scripted host in tab order. */
function sortedKeys(key, value) {
    return value !== null && typeof value === "object" && !Array.isArray(value)
        ? Object.fromEntries(Object.entries(value).sort(([a], [b]) => (a < b ? -1 : a > b ? 1 : 0))) : value;
}
function same(actual, expected, what) {
    const a = JSON.stringify(actual, sortedKeys);
    const e = JSON.stringify(expected, sortedKeys);
    if (a !== e) throw new Error(`${what}:\n  page:   ${a}\n  wanted: ${e}`);
}

async function run(name, body) {
    if (ONLY && !ONLY.test(name)) return;
    cases += 1;
    const started = Date.now();
    try {
        await body();
        console.log(`ok   ${name} (${Date.now() - started} ms)`);
    } catch (error) {
        failures.push(name);
        console.log(`FAIL ${name}: ${error.stack ?? error}`);
    }
}

function scriptedOutcome(program, steps) {
    // What an input method commits, or a script sets, is what the scripted user types.
    const typed = steps.map((step) => step.startsWith("compose:") ? step.replace(/^compose:([^=]*)=[^=]*=/, "type:$1=")
        : step.replace(/^set:/, "type:").replace(/^paste:/, "answer:"));
    // Steps go in on standard input, in hex: a text may hold a NUL and be any length.
    const input = typed.map((step) => Buffer.from(step).toString("hex")).join("\n");
    return JSON.parse(execFileSync(process.execPath, [outcomeTool, program, FROZEN_TIME_OF_DAY, "-"],
                                   { input, maxBuffer: 1 << 26 }).toString());
}

// --- Driving the page ---------------------------------------------------------------------

async function watch(page) {
    page.setDefaultTimeout(WAIT_LIMIT_MS);  // its waits, and its loads too
    page.on("console", (message) => {
        if (message.type() === "error" || message.type() === "warn") consoleProblems.push(message.text());
    });
    page.on("pageerror", (error) => consoleProblems.push(String(error)));
    page.on("request", (request) => {
        if (!request.url().startsWith("data:") && request.url().split("#")[0] !== pageUrl) requests.push(request.url());
    });
}

async function open(page, hash) {
    // The program's address, with its code or without, would keep the window as it is: the
    // program opens anew.
    const program = (address) => decodeURIComponent(address).replace(/\/代码$/, "");
    if (hash && program(new URL(page.url()).hash.slice(1)) === program(hash)) await page.goto(`${pageUrl}#`);
    await page.goto(`${pageUrl}#${hash}`);
    await page.waitForSelector(hash ? ".window[data-ready]" : "#launcher[data-ready]");
}

/** Waits until the running handler has finished or waits in a dialog; returns the dialog's kind. */
async function settle(page) {
    await page.waitForFunction(
        () => document.querySelector("dialog.box[open]") !== null || document.querySelector(".window[aria-busy]") === null);
    return page.evaluate(() => {
        const box = document.querySelector("dialog.box[open]");
        if (box === null) return null;
        return { input: box.querySelector("input") !== null, title: box.querySelector("h2").textContent,
                 prompt: box.querySelector(".prompt").firstChild.textContent };
    });
}

/** Answers the dialogs the handler opens, in order, until it has finished; returns them. */
async function answerDialogs(page, answers) {
    const shown = [];
    for (let box = await settle(page); box !== null; box = await settle(page)) {
        shown.push({ title: box.title, prompt: box.prompt });
        if (box.input && answers.length > 0 && answers[0] === null) {
            answers.shift();
            await page.click("dialog.box[open] .buttons button:last-child");
        } else {
            const answer = box.input ? answers.shift() ?? "" : "";
            if (typeof answer === "object") await setValue(page, "dialog.box[open] input", answer.paste);
            else if (answer !== "") await page.type("dialog.box[open] input", answer);
            await page.click("dialog.box[open] .buttons button:first-child");
        }
    }
    return shown;
}

/** Types through an input method: the composition is shown in the box, then committed. */
async function composeInto(page, name, preedit, text) {
    await typeInto(page, name, FIREFOX ? text : "");
    if (FIREFOX) return;
    const session = await page.createCDPSession();
    await session.send("Input.imeSetComposition", { text: preedit, selectionStart: preedit.length, selectionEnd: preedit.length });
    await session.send("Input.insertText", { text });
    await session.detach();
}

async function typeInto(page, name, text) {
    const selector = `[data-control="${name}"]`;
    await page.click(selector);
    await page.$eval(selector, (box) => box.select());
    await page.keyboard.press("Backspace");
    if (text !== "") await page.type(selector, text);
}

/** Sets a box's value as a script, an extension or a paste does, and fires input. */
async function setValue(page, selector, text) {
    await page.$eval(selector, (box, text) => {
        box.value = text;
        box.dispatchEvent(new Event("input", { bubbles: true }));
    }, text);
}

/** Runs steps as scripted_outcome does; returns the dialogs shown. */
async function perform(page, steps) {
    const answers = [];
    const shown = [];
    for (const step of steps) {
        if (step.startsWith("type:")) {
            const [name, ...text] = step.slice(5).split("=");
            await typeInto(page, name, text.join("="));
        } else if (step.startsWith("compose:")) {
            const [name, preedit, text] = step.slice(8).split("=");
            await composeInto(page, name, preedit, text);
        } else if (step.startsWith("set:")) {
            const equals = step.indexOf("=");
            await setValue(page, `[data-control="${step.slice(4, equals)}"]`, step.slice(equals + 1));
        } else if (step.startsWith("answer:")) {
            answers.push(step.slice(7));
        } else if (step.startsWith("paste:")) {
            answers.push({ paste: step.slice(6) });
        } else if (step === "cancel") {
            answers.push(null);
        } else if (step.startsWith("click:")) {
            await page.click(`[data-control="${step.slice(6)}"]`);
            shown.push(...await answerDialogs(page, answers));
        }
    }
    return shown;
}

/** The live region's text once it holds the wanted sentence (it fills on the next frame), or
 *  whatever it holds when it does not within the wait limit. */
async function announced(page, wanted) {
    const text = () => document.getElementById("announcer")?.textContent ?? null;
    await page.waitForFunction((w) => (document.getElementById("announcer")?.textContent ?? null) === w,
                               { timeout: WAIT_LIMIT_MS }, wanted).catch(() => {});
    return page.evaluate(text);
}

/** What the window shows, in scripted_outcome's form. */
async function windowState(page) {
    return { controls: await page.evaluate(controlStates),
             printed: await page.evaluate(() => document.querySelector(".printed").textContent) };
}

async function shot(page, name) {
    if (shotDir) await page.screenshot({ path: path.join(shotDir, `${name}.png`) });
}

// --- The run --------------------------------------------------------------------------------

// A browser that is not installed fails the run, saying so: it must not pass unseen.
const executable = FIREFOX ? process.env.FIREFOX ?? "/usr/bin/firefox-esr" : process.env.CHROMIUM ?? "/usr/bin/chromium";
if (!existsSync(executable)) {
    console.log(`FAIL the browser ${executable} is not installed (scripts/ensure-packages installs it)`);
    process.exit(1);
}
const profile = mkdtempSync(path.join(tmpdir(), "teaching-programs-chromium-"));
// A language whose numbers use a decimal comma: the page must not depend on the locale.
const environment = { ...process.env, TZ: "UTC", LANG: "de_DE.UTF-8" };
const browser = FIREFOX ? await puppeteer.launch({
    browser: "firefox",
    executablePath: executable,
    headless: true,
    userDataDir: profile,
    env: environment,
    timeout: WAIT_LIMIT_MS,
    protocolTimeout: 2 * WAIT_LIMIT_MS,
    extraPrefsFirefox: { "intl.accept_languages": "de-DE", "intl.locale.requested": "de-DE" },
}) : await puppeteer.launch({
    executablePath: executable,
    headless: true,
    userDataDir: profile,
    env: environment,
    timeout: WAIT_LIMIT_MS,
    protocolTimeout: 2 * WAIT_LIMIT_MS,
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", "--lang=de-DE"],
});
try {
    const page = await browser.newPage();
    await watch(page);
    await page.setViewport({ width: 1280, height: 800 });

    await run("LauncherListsTheTenProgramsWithIconsAndTheLicence", async () => {
        await open(page, "");
        const launcher = await page.evaluate(() => ({
            names: [...document.querySelectorAll("#program-list a")].map((a) => a.dataset.program),
            titles: [...document.querySelectorAll("#program-list .title")].map((t) => t.textContent),
            icons: [...document.querySelectorAll("#program-list a")].every((a) => a.querySelector("svg rect, svg path, svg circle") !== null),
            font: document.fonts.check('16px "UMing Subset"', "掷骰子"),
            licence: document.getElementById("licence").textContent,
        }));
        same(launcher.names, NAMES, "programs");
        check(launcher.titles[0] === "掷骰子猜大小" && launcher.titles[9] === "0-9随机排列", `titles ${launcher.titles}`);
        check(launcher.icons, "a program has no icon");
        check(launcher.font, "the web font is not loaded");
        check(launcher.licence.startsWith("ARPHIC PUBLIC LICENSE"), "the licence is missing");
        await shot(page, "launcher");
        await page.click("#program-list a[data-program=luvesk]");
        await page.waitForSelector(".window[data-ready]");
        check(await page.evaluate(() => location.hash) === "#luvesk", "the link did not open luvesk");
        await page.click(".titlebar .close");
        await page.waitForSelector("#launcher:not([hidden])");
        check(await page.evaluate(() => document.activeElement?.dataset?.program) === "luvesk",
              "focus did not return to luvesk's card");
        // 复制链接 copies the address that opens the program (what the clipboard is given).
        await page.evaluate(() => {
            navigator.clipboard.writeText = async (text) => { window.copiedLink = text; };
        });
        await page.click("#program-list button.copy-link[data-program=pellow]");
        await page.waitForFunction(() => window.copiedLink !== undefined);
        same(await page.evaluate(() => window.copiedLink), `${pageUrl}#pellow`, "the copied link");
    });

    // The comparison tab: a frozen clock, so that Randomize gets the same seed as the tool.
    const frozen = await browser.newPage();
    await watch(frozen);
    await frozen.setViewport({ width: 1280, height: 800 });
    await frozen.evaluateOnNewDocument((ms) => {
        Object.defineProperty(performance, "timeOrigin", { value: ms });
        performance.now = () => 0;
    }, FROZEN_MS);

    for (const name of NAMES) {
        await run(`TypicalClickShowsWhatTheScriptedHostShows.${name}`, async () => {
            await open(frozen, name);
            const dialogs = await perform(frozen, TYPICAL[name]);
            const wanted = scriptedOutcome(name, TYPICAL[name]);
            same(await windowState(frozen), { controls: wanted.controls, printed: wanted.printed }, name);
            same(dialogs, wanted.dialogs, `${name} dialogs`);
            // The last click's sentence, said by the one live element (the dice round: "色子1 2，
            // 色子2 3，色子3 6，11点大，您赢").
            same(await announced(frozen, wanted.announced), wanted.announced, `${name} announced`);
            same(await frozen.evaluate(() => [...document.querySelectorAll(
                "[aria-live], output, [role=status], [role=log], [role=alert], [role=timer], [role=marquee]")].map((e) => e.id)),
                 ["announcer"], "the live elements");
            if (name === "orvane") await shot(frozen, "orvane-mid-round");
            if (name === "luvesk") await shot(frozen, "luvesk-printed");
        });
    }

    await run("DiceGamePlayedToItsEnd", async () => {
        // The frozen clock rolls the same dice every round; choosing the losing side ends the
        // game: 50, 30, 10, 0 chips.
        await open(frozen, "orvane");
        const first = scriptedOutcome("orvane", TYPICAL.orvane).controls.Label13.text;
        const losing = first.includes("大，您赢") ? "小" : "大";
        const steps = [];
        for (let round = 0; round < 3; ++round) {
            const stake = round < 2 ? "20" : "10";
            steps.push(`answer:${losing}`, "click:Command2", `answer:${stake}`, "click:Command3", "click:Command4",
                       "click:Command1", "click:Command5");
        }
        const dialogs = await perform(frozen, steps);
        const wanted = scriptedOutcome("orvane", steps);
        same(await windowState(frozen), { controls: wanted.controls, printed: wanted.printed }, "the game");
        same(dialogs, wanted.dialogs, "the game's dialogs");
        check(wanted.controls.Label13.text === "您已输光，游戏结束！~", `not over: ${wanted.controls.Label13.text}`);
        check(wanted.controls.Label15.text === "3", "three rounds");
    });
    await frozen.close();

    await run("RuntimeErrorIsReportedAndTheProgramGoesOn", async () => {
        await open(page, "sarnic");
        const dialogs = await perform(page, ["type:Text1=99999999999", "click:Command1"]);
        same(dialogs, [{ title: "运行时错误", prompt: "溢出" }], "the report");
        await perform(page, ["type:Text1=255", "click:Command1"]);
        const state = await windowState(page);
        same(state.controls.Label1.text, "FF", "after the error");
    });

    await run("DialogsAreModalAndAnswerEnterAndEscape", async () => {
        await open(page, "orvane");
        await page.click('[data-control="Command2"]');
        await settle(page);
        const box = await page.evaluate(() => {
            const dialog = document.querySelector("dialog.box[open]");
            const frame = document.querySelector(".window").getBoundingClientRect();
            const rect = dialog.getBoundingClientRect();
            return {
                focused: document.activeElement === dialog.querySelector("input"),
                buttons: [...dialog.querySelectorAll("button")].map((b) => b.textContent),
                centre: [rect.left + rect.width / 2 - (frame.left + frame.width / 2),
                         rect.top + rect.height / 2 - (frame.top + frame.height / 2)],
            };
        });
        check(box.focused, "the entry has no focus");
        same(box.buttons, ["确定", "取消"], "buttons");
        check(Math.abs(box.centre[0]) <= 1 && Math.abs(box.centre[1]) <= 1, `not centred: ${box.centre}`);
        await shot(page, "input-box");
        // A click on the window while the box is open does nothing.
        const bet = await page.$('[data-control="Command3"]');
        const place = await bet.boundingBox();
        await page.mouse.click(place.x + 5, place.y + 5);
        check(await page.$$eval("dialog.box", (d) => d.length) === 1, "a second box opened");
        // Escape cancels: the empty answer is not 大 or 小.
        await page.keyboard.press("Escape");
        same(await settle(page), { input: false, title: "错误", prompt: "输入的内容不正确" }, "after Escape");
        await shot(page, "error-box");
        await page.keyboard.press("Enter");
        check(await settle(page) === null, "the error box did not close on Enter");
        check(await page.$("dialog.box") === null, "a closed box stays in the page");
    });

    await run("KeyboardOnlyDiceRound", async () => {
        await open(page, "orvane");
        const focused = () => page.evaluate(() => document.activeElement?.dataset?.control ?? document.activeElement?.tagName);
        same(await focused(), "Command2", "first focus");
        await page.keyboard.press("Enter");
        await settle(page);
        await page.keyboard.type("大");
        await page.keyboard.press("Enter");
        await settle(page);
        same(await focused(), "Command2", "focus back after the box");
        await page.keyboard.press("Tab");
        await page.keyboard.press("Enter");
        await settle(page);
        await page.keyboard.type("15");
        await page.keyboard.press("Enter");
        await settle(page);
        await page.keyboard.press("Tab");
        same(await focused(), "Command4", "Tab to 买定离手");
        await page.keyboard.press(" ");
        await settle(page);
        same(await focused(), "Command1", "focus moves on to 掷色子");
        await page.keyboard.press(" ");
        await settle(page);
        same(await focused(), "Command5", "focus moves on to 结算");
        await page.keyboard.press("Enter");
        await settle(page);
        same(await focused(), "Command2", "focus back among the betting buttons");
        const state = await windowState(page);
        check(state.controls.Label15.text === "1", "one round played");
        check(["35", "65"].includes(state.controls.Label2.text), `balance ${state.controls.Label2.text}`);
        const ring = await page.evaluate(() => getComputedStyle(document.activeElement).outlineWidth);
        check(parseFloat(ring) >= 2, `focus ring ${ring}`);
    });

    for (const name of NAMES) {
        await run(`WindowGeometryAndAccessibilityTree.${name}`, async () => {
            await open(page, name);
            await perform(page, TYPICAL[name]);
            const { form } = scriptedOutcome(name, []);
            const px = (twips) => Math.floor((twips + 7) / 15);
            const facts = await page.evaluate(() => {
                const client = document.querySelector("[data-client-area]");
                const origin = client.getBoundingClientRect();
                const place = (e) => {
                    const r = e.getBoundingClientRect();
                    return [r.left - origin.left, r.top - origin.top, r.width, r.height];
                };
                const log = document.querySelector(".printed");
                return {
                    client: [origin.width, origin.height],
                    places: Object.fromEntries([...document.querySelectorAll("[data-control]")]
                        .map((e) => [e.dataset.control, place(e)])),
                    log: place(log),
                    whiteSpace: getComputedStyle(log).whiteSpace,
                    order: [...client.querySelectorAll("[data-control]")].map((e) => e.dataset.control),
                    tabOrder: [...client.querySelectorAll("[tabindex]")].filter((e) => e.tabIndex > 0)
                        .sort((a, b) => a.tabIndex - b.tabIndex).map((e) => e.dataset.control),
                    caption: document.querySelector(".window .caption").textContent,
                };
            });
            // The client area and every control at the described place and size.
            same(facts.client, [px(form.width), px(form.height)], "client area");
            same(facts.log, [0, 0, px(form.width), px(form.height)], "the printed text's area");
            for (const c of form.controls)
                same(facts.places[c.name], [px(c.left), px(c.top), px(c.width), px(c.height)], c.name);
            check(facts.whiteSpace === "pre", "the printed text keeps its blanks");
            // Elements in reading order, Tab in the described order; with a fine pointer a
            // button takes no click beyond its drawn edges.
            same(facts.order, form.readingOrder.map((i) => form.controls[i].name), "element order");
            same(facts.tabOrder, form.controls.filter((c) => c.kind !== "label").map((c) => c.name), "tab order");
            same(await measure(page, "missedTaps(0, true)"), [], "clicks beyond the buttons");
            if (FIREFOX) return;

            const tree = await page.accessibility.snapshot({ interestingOnly: false });
            const nodes = [];
            const walk = (node) => {
                nodes.push(node);
                for (const child of node.children ?? []) walk(child);
            };
            walk(tree);
            check(nodes.some((n) => n.role === "region" && n.name === facts.caption), `no region named ${facts.caption}`);
            check(!nodes.some((n) => n.role === "log" || n.role === "status"), "a live role: only the announcer is live");
            // Names from the description: a text box by the label that describes it or by its own
            // short name, a value label as its describing label's caption and its value.
            const state = await windowState(page);
            const squeeze = (text) => text.replace(/\s+/g, " ").trim();
            const caption = (name) => squeeze(state.controls[name].text);
            for (const c of form.controls) {
                const value = state.controls[c.name];
                if (c.kind === "button") {
                    const node = nodes.find((n) => n.role === "button" && n.name === value.text);
                    check(node !== undefined, `no button named ${value.text}`);
                    check(Boolean(node.disabled) === !value.enabled, `${c.name} disabled state`);
                } else if (c.kind === "textbox") {
                    const name = c.labelledBy ? caption(c.labelledBy) : c.accessibleName;
                    check(name, `the description names no ${c.name}`);
                    check(nodes.some((n) => n.role === "textbox" && squeeze(n.name ?? "") === name &&
                                            (n.value ?? "") === value.text), `no textbox "${name}" holding ${value.text}`);
                } else if (c.labelledBy && value.text.trim() !== "") {
                    // A value is read once, straight after its label.
                    const texts = nodes.filter((n) => n.role === "StaticText").map((n) => squeeze(n.name ?? ""));
                    const at = texts.indexOf(caption(c.labelledBy));
                    check(at >= 0 && texts[at + 1] === value.text.trim(), `${value.text} does not follow ${caption(c.labelledBy)}`);
                    const both = squeeze(`${caption(c.labelledBy)} ${value.text}`);
                    // (The live region may say the two together: that is text, not a name.)
                    check(!nodes.some((n) => !["StaticText", "InlineTextBox"].includes(n.role) && squeeze(n.name ?? "") === both),
                          `${c.name} is named with its label`);
                } else if (value.text.trim() !== "") {
                    check(nodes.some((n) => (n.name ?? "").includes(value.text.trim())), `label text ${value.text}`);
                }
            }
        });
    }

    // Texts a script, an extension or an assistive tool sets, as the desktop takes them: with
    // their NULs, and at most 32,767 characters in a box or a dialog's entry (beyond, the
    // module's stack overflowed and a megabyte hung the tab). `refused` is the box that must
    // say no, so a row cannot pass by both sides accepting.
    const LONG = 70000;
    const HOSTILE = [
        { name: "NulInATextBox", program: "grentam", steps: ["set:Text1=15\u00000", "set:Text2=1", "click:Command1"],
          refused: "请输入不超过50位的非负整数" },
        { name: "NulInAnAnswer", program: "orvane", steps: ["paste:大\u0000x", "click:Command2"], refused: "输入的内容不正确" },
        { name: "TextBoxOverTheStack", program: "sarnic", steps: [`set:Text1=${"1".repeat(LONG)}`, "click:Command1"],
          kept: { Text1: 32767 } },
        { name: "AnswerOverTheLimit", program: "orvane",
          steps: ["answer:大", "click:Command2", `paste:${"0".repeat(40000)}15`, "click:Command3"], refused: "您下注的筹码有误" },
        { name: "MegabyteAnswer", program: "orvane",
          steps: ["answer:大", "click:Command2", `paste:${"0".repeat(1 << 20)}15`, "click:Command3"], refused: "您下注的筹码有误" },
    ];
    for (const row of HOSTILE) {
        await run(`HostileTextIsTakenAsOnTheDesktop.${row.name}`, async () => {
            await open(page, row.program);
            const dialogs = await perform(page, row.steps);
            const wanted = scriptedOutcome(row.program, row.steps);
            same(await windowState(page), { controls: wanted.controls, printed: wanted.printed }, row.name);
            same(dialogs, wanted.dialogs, `${row.name} dialogs`);
            if (row.refused) check(dialogs.some((d) => d.prompt.startsWith(row.refused)), `not refused: ${JSON.stringify(dialogs)}`);
            for (const [box, length] of Object.entries(row.kept ?? {}))
                check(wanted.controls[box].text.length === length, `${box} keeps ${wanted.controls[box].text.length}`);
        });
    }

    // A held Enter repeats its key: the focused button is pressed once, and focus moving on to
    // the next button (掷色子, then 结算 after 买定离手) does not press that one too.
    const HELD = [
        { program: "luvesk", steps: [], button: "Command1" },
        { program: "orvane", steps: ["answer:大", "click:Command2", "answer:15", "click:Command3"], button: "Command4" },
    ];
    for (const row of HELD) {
        await run(`HeldEnterPressesOnce.${row.program}`, async () => {
            await open(page, row.program);
            await perform(page, row.steps);
            await page.focus(`[data-control="${row.button}"]`);
            for (let press = 0; press < 4; ++press) {
                await page.keyboard.down("Enter");
                await settle(page);
            }
            await page.keyboard.up("Enter");
            const wanted = scriptedOutcome(row.program, [...row.steps, `click:${row.button}`]);
            same(await windowState(page), { controls: wanted.controls, printed: wanted.printed }, row.program);
        });
    }

    await run("ClosingTheWindowWaitsForItsDialog", async () => {
        await open(page, "orvane");
        await page.click('[data-control="Command2"]');
        await settle(page);
        // A script closes the window while the handler waits: the window stays until it ends.
        await page.$eval(".titlebar .close", (close) => close.click());
        check(await page.$(".window") !== null, "the window went while its dialog was open");
        const dialogs = await answerDialogs(page, [null]);
        same(dialogs, scriptedOutcome("orvane", ["cancel", "click:Command2"]).dialogs, "the dialogs");
        await page.waitForSelector("#launcher:not([hidden])");
        check(await page.evaluate(() => location.hash) === "", "the address still names orvane");
        await open(page, "luvesk");
        await perform(page, TYPICAL.luvesk);
        same((await windowState(page)).printed, scriptedOutcome("luvesk", TYPICAL.luvesk).printed, "luvesk after");
    });

    await run("BackDuringADialogEndsTheDialogAndKeepsTheGame", async () => {
        // Back with a dialog open does what Back does on a phone: it closes the dialog (as
        // Escape would), and the window, its game and its address stay. Back again leaves.
        await open(page, "");
        await page.click("#program-list a[data-program=orvane]");
        await page.waitForSelector(".window[data-ready]");
        await perform(page, ["answer:大", "click:Command2"]);
        await page.click('[data-control="Command3"]');
        await settle(page);
        await page.evaluate(() => history.back());
        await page.waitForFunction(() => document.querySelector("dialog.box[open] input") === null, { timeout: 10000 });
        const dialogs = await answerDialogs(page, []);
        const steps = ["answer:大", "click:Command2", "cancel", "click:Command3"];
        const wanted = scriptedOutcome("orvane", steps);
        same(dialogs, wanted.dialogs.slice(2), "the dialogs after the bet's");
        same(await windowState(page), { controls: wanted.controls, printed: wanted.printed }, "the game");
        check(await page.evaluate(() => location.hash) === "#orvane", "the address left orvane");
        await page.evaluate(() => history.back());
        await page.waitForSelector("#launcher:not([hidden])");
    });

    await run("MalformedAddressShowsTheLauncher", async () => {
        const fresh = await browser.newPage();
        await watch(fresh);
        await fresh.goto(`${pageUrl}#%E0`);
        await fresh.waitForSelector("#launcher[data-ready]", { visible: true, timeout: 10000 });
        await fresh.close();
    });

    // A tab that sees the module's memory and counts what crosses into the page: every text the module
    // sends is decoded from its bytes, and every change the page then makes to its document.
    const probe = await browser.newPage();
    await probe.setViewport({ width: 1280, height: 800 });
    const probeErrors = [];
    probe.on("console", (message) => { if (message.type() === "error") probeErrors.push(message.text()); });
    await probe.evaluateOnNewDocument(() => {
        window.memories = [];
        const instantiate = WebAssembly.instantiate;
        WebAssembly.instantiate = async function (...args) {
            const result = await instantiate.apply(this, args);
            window.memories.push(Object.values(result.instance.exports).find((e) => e instanceof WebAssembly.Memory));
            return result;
        };
        window.crossed = { calls: 0, bytes: 0, written: 0 };
        const decode = TextDecoder.prototype.decode;
        TextDecoder.prototype.decode = function (bytes, options) {
            window.crossed.calls += 1;
            window.crossed.bytes += bytes?.byteLength ?? 0;
            return decode.call(this, bytes, options);
        };
        new MutationObserver((records) => {
            for (const r of records) {
                if (r.type === "attributes") window.crossed.written += (r.target.getAttribute(r.attributeName) ?? "").length;
                else if (r.type === "characterData") window.crossed.written += r.target.data.length;
                for (const node of r.addedNodes) window.crossed.written += node.textContent?.length ?? 0;
            }
        }).observe(document, { subtree: true, childList: true, attributes: true, characterData: true });
    });

    await run("WhatCrossesPerClickDoesNotGrowWithWhatWasPrinted", async () => {
        await open(probe, "luvesk");
        const clickCounted = () => probe.evaluate(async () => {
            const before = { ...window.crossed };
            document.querySelector('[data-control="Command1"]').click();
            // The announcer's next frame, then the observer's records.
            await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
            return Object.fromEntries(Object.entries(window.crossed).map(([key, value]) => [key, value - before[key]]));
        });
        const second = (await clickCounted(), await clickCounted());
        for (let click = 3; click < 40; ++click) await clickCounted();
        const fortieth = await clickCounted();
        same(fortieth, second, "what the 40th click sent and wrote, against the 2nd");
        check(second.bytes > 0 && second.written > 0, `nothing counted: ${JSON.stringify(second)}`);
    });

    await run("AFailedModuleIsReportedAndStartedAfresh", async () => {
        // The test breaks the module from outside (the page has no way to): its memory
        // overwritten with words that point nowhere, the next click traps. The page says so
        // and opens the program anew.
        await open(probe, "orvane");
        await probe.evaluate(() => {
            const words = new Uint32Array(window.memories.at(-1).buffer);
            for (let i = 0; i < words.length; ++i) words[i] = Math.imul(i + 1, 0x9e3779b9);
        });
        await probe.click('[data-control="Command2"]');
        same(await settle(probe), { input: false, title: "出错了", prompt: "程序出了故障，已重新打开。" }, "the report");
        await probe.keyboard.press("Enter");
        await probe.waitForSelector(".window[data-ready]");
        check(await probe.evaluate(() => window.memories.length) === 2, "the module was not started again");
        const steps = ["answer:小", "click:Command2"];
        await perform(probe, steps);
        const wanted = scriptedOutcome("orvane", steps);
        same(await windowState(probe), { controls: wanted.controls, printed: wanted.printed }, "orvane anew");
        check(probeErrors.some((e) => e.includes("failed")), `the console was not told: ${probeErrors}`);
    });
    await probe.close();

    // --- The code view ---------------------------------------------------------------------

    /** A program's file from the source tree, as bytes. */
    const sourceFile = (name, file) =>
        readFileSync(path.join(SOURCE, PROGRAMS.find((p) => p.name === name).folder, file));
    /**
     * The lines the shown tab's mark covers, read back from where the text is drawn: every line
     * whose start lies within the mark (which must be in view). [first, last], or what is wrong.
     */
    const markedLines = (page) => page.evaluate(() => {
        const panel = document.querySelector(".code-file:not([hidden])");
        const mark = panel.querySelector(".code-mark");
        if (mark.hidden) return "no mark";
        const rect = mark.getBoundingClientRect();
        const shown = panel.getBoundingClientRect();
        if (rect.top < shown.top || rect.bottom > shown.bottom) return "not in view";
        const covered = [];
        const walker = document.createTreeWalker(panel.querySelector(".code-text"), NodeFilter.SHOW_TEXT);
        let line = 0;
        let lineStarts = true;
        for (let node = walker.nextNode(); node !== null; node = walker.nextNode()) {
            for (let i = 0; i < node.data.length; ++i) {
                if (lineStarts) {
                    // The line's first character (its line break, on an empty line): a position
                    // alone may be drawn at the end of the line before.
                    line += 1;
                    const start = document.createRange();
                    start.setStart(node, i);
                    start.setEnd(node, i + 1);
                    const box = start.getBoundingClientRect();
                    if (box.top + box.height / 2 > rect.top && box.top + box.height / 2 < rect.bottom) covered.push(line);
                }
                lineStarts = node.data[i] === "\n";
            }
        }
        const [first, last] = [covered[0], covered.at(-1)];
        return covered.length === last - first + 1 ? [first, last] : covered;
    });
    /** From the source: the lines of the handler the button is bound to, to its closing brace. */
    const handlerLines = (name, button) => {
        const lines = sourceFile(name, "form1.cpp").toString().split("\n");
        const bound = new RegExp(`on_click\\(${button}, &Form1::(\\w+)\\)`);
        const handler = lines.map((line) => bound.exec(line)?.[1]).find(Boolean);
        const first = lines.findIndex((line) => line.startsWith(`void Form1::${handler}()`));
        const last = lines.findIndex((line, i) => i > first && line === "}");
        return { handler, lines: [first + 1, last + 1] };
    };
    // Everything the live region says from now on: a click's result may follow "运行了 …" in
    // the same sentence or the next frame.
    const listen = (page) => page.evaluate(() => {
        const said = [];
        Object.assign(window, { said });
        new MutationObserver(() => {
            const text = document.getElementById("announcer")?.textContent;
            if (text) said.push(text);
        }).observe(document.body, { subtree: true, childList: true, characterData: true });
    });
    const heard = (page, sentence) =>
        page.waitForFunction((s) => window.said.some((t) => t.startsWith(s)), {}, sentence);
    const codeState = (page) => page.evaluate(() => ({
        region: document.querySelector(".code-view[role=region]")?.getAttribute("aria-label") ?? null,
        tab: document.querySelector(".code-view [aria-selected=true]")?.textContent ?? null,
        focus: document.activeElement?.dataset?.control ?? document.activeElement?.getAttribute("role") ?? null,
        address: decodeURIComponent(location.hash),
    }));

    await run("CodeViewMarksTheHandlerThatRanUntilTheNextClick", async () => {
        await open(page, "orvane");
        await listen(page);
        await page.click(".titlebar .code");
        same(await codeState(page), { region: "代码：form1.cpp", tab: "form1.cpp", focus: "tab", address: "#orvane/代码" },
             "the view opened by 代码");
        // The mark stays while the handler waits in its dialog, and after it.
        const bet = handlerLines("orvane", "Command2");
        await page.click('[data-control="Command2"]');
        await settle(page);
        same(await markedLines(page), bet.lines, `${bet.handler} waiting in its dialog`);
        await heard(page, `运行了 ${bet.handler}`);
        await answerDialogs(page, ["大"]);
        same(await markedLines(page), bet.lines, `${bet.handler} after it`);
        // A click on another button marks that one's handler only, from another tab too.
        await page.click("#code-tab-1");
        const stake = handlerLines("orvane", "Command3");
        await perform(page, ["answer:15", "click:Command3"]);
        same((await codeState(page)).tab, "form1.cpp", "the tab the handler is on");
        same(await markedLines(page), stake.lines, stake.handler);
        await heard(page, `运行了 ${stake.handler}`);
    });

    await run("CodeViewMarksTheFocusedControlsRow", async () => {
        await open(page, "orvane");
        await page.keyboard.press("F2");
        await page.focus('[data-control="Command3"]');
        same((await codeState(page)).tab, "form1.cpp", "the tab stays");
        await page.click("#code-tab-1");
        const marked = await markedLines(page);
        const rows = sourceFile("orvane", "window.cpp").toString().split("\n");
        const row = rows.findIndex((line) => line.includes('("Command3",')) + 1;
        same(marked, [row, row], "Command3's row");
    });

    await run("CodeViewKeyEscapeAndLink", async () => {
        await open(page, "luvesk");
        same(await codeState(page), { region: null, tab: null, focus: "Command1", address: "#luvesk" }, "closed at first");
        await page.keyboard.press("F2");
        same(await codeState(page), { region: "代码：form1.cpp", tab: "form1.cpp", focus: "tab", address: "#luvesk/代码" }, "F2");
        await page.keyboard.press("Tab");
        await page.keyboard.press("Tab");
        await page.keyboard.press("Tab");
        same((await codeState(page)).focus, "tabpanel", "Tab reaches the text");
        await page.keyboard.press("Escape");
        same(await codeState(page), { region: null, tab: null, focus: "Command1", address: "#luvesk" }, "Escape");
        // A link to a program with its code opens both, and keeps the program's focus.
        await open(page, "sarnic/代码");
        same(await codeState(page), { region: "代码：form1.cpp", tab: "form1.cpp", focus: "Text1", address: "#sarnic/代码" }, "the link");
        await page.keyboard.press("F2");
        same((await codeState(page)).region, null, "F2 closes it");
    });

    await run("CodeViewShowsEveryProgramsFilesExactly", async () => {
        for (const name of NAMES) {
            await open(page, `${name}/代码`);
            for (const [index, file] of CODE_FILES.entries()) {
                await page.click(`#code-tab-${index}`);
                const shown = await page.evaluate(() => {
                    const panel = document.querySelector(".code-file:not([hidden])");
                    const text = panel.querySelector(".code-text");
                    // What a reader selects and copies: the whole panel, line numbers and all.
                    getSelection().selectAllChildren(panel);
                    const copied = getSelection().toString();
                    getSelection().removeAllRanges();
                    return { text: text.textContent, copied, height: text.offsetHeight,
                             line: parseFloat(getComputedStyle(text).lineHeight) };
                });
                const bytes = sourceFile(name, file);
                check(Buffer.from(shown.text).equals(bytes), `${name}/${file} is not shown exactly`);
                // Chromium's selection leaves out the last line break, as an editor's does.
                same(shown.copied.replace(/\n?$/, "\n"), bytes.toString(), `${name}/${file} as copied`);
                // Every line one line high: the marks are placed by line number.
                const lines = bytes.toString().replace(/\n$/, "").split("\n").length;
                same(shown.height, lines * shown.line, `${name}/${file}'s height`);
            }
        }
    });

    // Phones, upright and on their side: every window fits the width (zoomed down as far as
    // it takes), nothing is off to the side, and after a tap its answer is in view, even when
    // the tap was made scrolled down to the button.
    const PHONES = [{ width: 390, height: 844 }, { width: 844, height: 390 }];
    for (const phone of PHONES) {
        for (const name of NAMES) {
            await run(`PhoneShowsEveryControlAndTheAnswer.${name}.${phone.width}`, async () => {
                await page.setViewport({ ...phone, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
                await open(page, name);
                same(await measure(page, "offScreenSideways()"), [], "off to the side");
                if (!FIREFOX) same(await measure(page, "missedTaps(44, false)"), [], "taps missed");
                const steps = TYPICAL[name];
                const last = steps.findLastIndex((step) => step.startsWith("click:"));
                await perform(page, steps.slice(0, last));
                const button = `[data-control="${steps[last].slice(6)}"]`;
                await page.$eval(button, (b) => b.scrollIntoView({ block: "end" }));
                const before = await measure(page, "shownTexts()");
                await (FIREFOX ? page.click(button) : page.tap(button));
                await answerDialogs(page, steps.slice(last + 1).filter((s) => s.startsWith("answer:")).map((s) => s.slice(7)));
                same(await measure(page, `answerOutOfView(${JSON.stringify(before)})`), [], "the answer");
                same(await measure(page, "offScreenSideways()"), [], "off to the side after the tap");
                if (name === "pellow" && phone.width === 390) await shot(page, "narrow-pellow");
            });
        }
    }

    // Dialogs open wholly on screen, with every button a finger's size, on phones and tablets.
    const DIALOGS = [{ program: "orvane", steps: ["click:Command2"] },
                     { program: "pellow", steps: ["type:Text1=99", "click:Command1"] }];
    for (const width of [390, 600, 768]) {
        await run(`DialogsStayOnScreen.${width}`, async () => {
            await page.setViewport({ width, height: 844, isMobile: true, hasTouch: true });
            for (const row of DIALOGS) {
                await open(page, row.program);
                await perform(page, row.steps.slice(0, -1));
                await page.click(`[data-control="${row.steps.at(-1).slice(6)}"]`);
                check(await settle(page) !== null, `${row.program} opened no dialog`);
                same(await measure(page, "dialogOffScreen()"), [], `${row.program}'s dialog`);
                if (!FIREFOX) same(await measure(page, "missedTaps(44, false)"), [], "taps missed");
                await page.keyboard.press("Escape");
                await answerDialogs(page, []);
            }
        });
    }
    await page.setViewport({ width: 1280, height: 800 });

    // A digit keyboard only where nothing but digits makes sense: signs and decimals are taken
    // by tilbry's operands and sarnic's number.
    const DIGITS_ONLY = { grentam: ["Text1", "Text2"], mondrel: ["Text1"], pellow: ["Text1"], quennet: ["Text1"] };
    await run("DigitKeyboardWhereOnlyDigitsMakeSense", async () => {
        for (const name of NAMES) {
            await open(page, name);
            same(await page.$$eval("input[data-control]", (boxes) => boxes.filter((b) => b.inputMode === "numeric")
                .map((b) => b.dataset.control)), DIGITS_ONLY[name] ?? [], name);
        }
    });
} finally {
    await browser.close();
    rmSync(profile, { recursive: true, force: true });
}

await run("NoNetworkRequestAndNoConsoleError", async () => {
    same(requests, [], "requests");
    same(consoleProblems, [], "console errors and warnings");
});

console.log(`${cases - failures.length} of ${cases} cases passed`);
process.exit(failures.length === 0 ? 0 : 1);
