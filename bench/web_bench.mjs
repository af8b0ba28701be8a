// SPDX-License-Identifier: MIT
// The web page's costs (not a test): its size after gzip; the time from navigation until the
// window of #orvane, and the launcher, carries data-ready (drawn with the web font, clicks
// delivered), against a static page of the same window (no script, the same font inlined)
// generated here from the live page, which reaches its first frame with the font; and the
// time a Click handler takes in the page (the 100 primes), and whether it stays the same after
// a thousand clicks have printed 100,000 primes; the code view's first opening in #orvane; and,
// given the page of an earlier commit, its #orvane beside this one's, with the interval their
// difference lies in. Fresh pages, measured interleaved, medians of ROUNDS, in headless
// Chromium from file://.
//
//     bench/run --web [ROUNDS [BEFORE_PAGE]]
//         (builds the page, then runs node bench/web_bench.mjs PAGE ROUNDS [BEFORE_PAGE])
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { cpus, tmpdir, totalmem } from "node:os";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { gzipSync } from "node:zlib";

const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const { default: puppeteer } = await import(
    pathToFileURL(path.join(top, "web/tests/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js")).href);
const pagePath = path.resolve(process.argv[2] ?? path.join(top, "build-web/teaching-programs.html"));
const rounds = Number(process.argv[3] ?? 21);
const beforePath = process.argv[4];
const pageUrl = pathToFileURL(pagePath).href;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const kb = (bytes) => (bytes / 1024).toFixed(1) + " KiB";
const shuffled = (items) => items.map((item) => [Math.random(), item]).sort(([a], [b]) => a - b).map(([, item]) => item);

/**
 * The 90 % interval of median(now) - median(before), by resampling the rounds; a round's two
 * samples stay together, as they were taken side by side.
 */
function medianDifferenceInterval(now, before, resamples = 4000) {
    const differences = [];
    for (let i = 0; i < resamples; ++i) {
        const picked = now.map(() => Math.floor(Math.random() * now.length));
        differences.push(median(picked.map((r) => now[r])) - median(picked.map((r) => before[r])));
    }
    differences.sort((a, b) => a - b);
    return [differences[Math.floor(0.05 * resamples)], differences[Math.floor(0.95 * resamples) - 1]];
}

// Records, relative to navigation start, when an element first carries data-ready; and, for
// the static page, when a frame with the web font loaded has been drawn (the page's own rule).
function observeReadiness() {
    new MutationObserver((changes, observer) => {
        if (changes.some((c) => c.target.hasAttribute?.("data-ready"))) {
            window.readyAt = performance.now();
            observer.disconnect();
        }
    }).observe(document, { subtree: true, attributes: true, attributeFilter: ["data-ready"] });
    if (!location.href.includes("static-window")) return;
    document.addEventListener("DOMContentLoaded", async () => {
        await document.fonts.load('16px "UMing Subset"');
        await document.fonts.ready;
        await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
        window.readyAt = performance.now();
    });
}

async function timeToReady(browser, url) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.evaluateOnNewDocument(observeReadiness);
    await page.goto(url);
    await page.waitForFunction(() => window.readyAt !== undefined, { timeout: 20000 });
    const ms = await page.evaluate(() => window.readyAt);
    await context.close();
    return ms;
}

/**
 * A page of the same window (or launcher) without any script: its markup as drawn, the
 * page's styles and the same font, taken from the live page.
 */
async function writeStaticPage(browser, hash, selector, file) {
    const page = await browser.newPage();
    await page.goto(`${pageUrl}${hash}`);
    await page.waitForSelector(`${selector}[data-ready]`);
    const html = await page.evaluate((selector) => {
        const style = document.querySelector("style").outerHTML;
        const shown = document.querySelector(selector).cloneNode(true);
        shown.removeAttribute("data-ready");
        const body = selector === "#launcher" ? shown.outerHTML : `<div id="desktop">${shown.outerHTML}</div>`;
        return `<!DOCTYPE html><html lang="zh-CN"><head><meta charset="utf-8">` +
            `<meta name="viewport" content="width=device-width, initial-scale=1"><title>static page</title>` +
            `${style}</head><body>${body}</body></html>`;
    }, selector);
    await page.close();
    writeFileSync(file, html);
}

async function clickHandlerMs(browser) {
    const page = await browser.newPage();
    await page.goto(`${pageUrl}#luvesk`);
    await page.waitForSelector(".window[data-ready]");
    const times = await page.evaluate(async (n) => {
        const button = document.querySelector('[data-control="Command1"]');
        const results = [];
        for (let i = 0; i < n; ++i) {
            const start = performance.now();
            button.click();  // a handler without dialogs runs to its end inside the click
            results.push(performance.now() - start);
            await new Promise((resolve) => setTimeout(resolve, 10));
        }
        return results;
    }, rounds);
    await page.close();
    return median(times);
}

/**
 * The code view's first opening in a fresh #orvane: from the click on 代码 until the view is
 * laid out (its code read and built), and until the frame after it has been drawn.
 */
async function codeViewOpening(browser) {
    const laidOut = [];
    const drawn = [];
    for (let round = 0; round < rounds; ++round) {
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.goto(`${pageUrl}#orvane`);
        await page.waitForSelector(".window[data-ready]");
        const times = await page.evaluate(async () => {
            const start = performance.now();
            document.querySelector(".titlebar .code").click();
            void document.querySelector(".code-view").offsetHeight;
            const laidOut = performance.now() - start;
            await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
            return { laidOut, drawn: performance.now() - start };
        });
        laidOut.push(times.laidOut);
        drawn.push(times.drawn);
        await context.close();
    }
    console.log(`Code view, first opening in #orvane: laid out after ${median(laidOut).toFixed(1)} ms, ` +
                `drawn after ${median(drawn).toFixed(1)} ms (medians of ${rounds})`);
}

/**
 * The 100 primes clicked 1000 times in one window: the medians of clicks 10-20 and 990-1000,
 * from the click to its end in the page, and until the page is laid out again with the new
 * lines (forced at once rather than waited for, which would add the wait for the next frame).
 */
async function clickCostAfterMuchPrinted(browser) {
    const page = await browser.newPage();
    await page.goto(`${pageUrl}#luvesk`);
    await page.waitForSelector(".window[data-ready]");
    const times = await page.evaluate(async () => {
        const button = document.querySelector('[data-control="Command1"]');
        const handler = [];
        const laidOut = [];
        for (let i = 0; i < 1000; ++i) {
            const start = performance.now();
            button.click();
            handler.push(performance.now() - start);
            void document.documentElement.offsetHeight;
            laidOut.push(performance.now() - start);
            await new Promise((resolve) => requestAnimationFrame(resolve));
        }
        return { handler, laidOut };
    });
    await page.close();
    const early = (values) => median(values.slice(9, 20));
    const late = (values) => median(values.slice(989, 1000));
    for (const [name, values] of Object.entries(times)) {
        console.log(`luvesk, ${name === "handler" ? "click to its end" : "click until laid out"}: ` +
                    `clicks 10-20 ${early(values).toFixed(2)} ms, clicks 990-1000 ${late(values).toFixed(2)} ms ` +
                    `(medians): ${(late(values) / early(values)).toFixed(2)}x`);
    }
}

const work = mkdtempSync(path.join(tmpdir(), "web-bench-"));
const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    userDataDir: path.join(work, "profile"),
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
           "--disable-component-update", "--disable-sync"],
});
try {
    const bytes = readFileSync(pagePath);
    console.log(`machine: ${cpus().length} cores (${cpus()[0].model.trim()}), ${Math.round(totalmem() / 2 ** 30)} GiB, ${browser.process()?.spawnfile} ${await browser.version()}`);
    console.log(`size: ${kb(bytes.length)}, gzip -9 ${kb(gzipSync(bytes, { level: 9 }).length)}, gzip -6 ${kb(gzipSync(bytes).length)}`);

    const staticWindow = path.join(work, "static-window.html");
    const staticLauncher = path.join(work, "static-window-launcher.html");
    await writeStaticPage(browser, "#orvane", ".window", staticWindow);
    await writeStaticPage(browser, "", "#launcher", staticLauncher);
    // Each page beside its static twin (the earlier page has none of its own), measured interleaved.
    const pairs = [
        ["#orvane", `${pageUrl}#orvane`, pathToFileURL(staticWindow).href],
        ["launcher", pageUrl, pathToFileURL(staticLauncher).href],
    ];
    if (beforePath) {
        const before = readFileSync(beforePath);
        console.log(`before (${beforePath}): ${kb(before.length)}, gzip -9 ${gzipSync(before, { level: 9 }).length} bytes; ` +
                    `this page gzip -9 ${gzipSync(bytes, { level: 9 }).length} bytes`);
        pairs.push(["#orvane before", `${pathToFileURL(path.resolve(beforePath)).href}#orvane`, null]);
    }
    const samples = Object.fromEntries(pairs.map(([name]) => [name, { page: [], static: [] }]));
    for (const [, url, twin] of pairs) await timeToReady(browser, url), twin && await timeToReady(browser, twin);  // uncounted
    for (let round = 0; round < rounds; ++round) {
        // Each round in another order, so that no page always follows the same one.
        for (const [name, url, twin] of shuffled(pairs)) {
            samples[name].page.push(await timeToReady(browser, url));
            if (twin) samples[name].static.push(await timeToReady(browser, twin));
        }
    }
    for (const [name] of pairs.filter(([, , twin]) => twin)) {
        const page = median(samples[name].page);
        const floor = median(samples[name].static);
        console.log(`${name}: ready after ${page.toFixed(1)} ms, its static page ${floor.toFixed(1)} ms ` +
                    `(medians of ${rounds}): ${(page / floor).toFixed(2)}x`);
    }
    if (beforePath) {
        const [nowTimes, beforeTimes] = [samples["#orvane"].page, samples["#orvane before"].page];
        const now = median(nowTimes);
        const before = median(beforeTimes);
        const allowed = Math.max(5, 0.05 * before);
        // The bound is on what the change costs: a page that got faster is within it. Medians of
        // fresh pages swing by more than the bound on a small machine, so the verdict goes by
        // the interval the difference lies in, not by the two medians alone.
        const [low, high] = medianDifferenceInterval(nowTimes, beforeTimes);
        const verdict = high <= allowed ? "within" : low > allowed ? "beyond" : "too few rounds to tell against";
        console.log(`#orvane ready: ${now.toFixed(1)} ms, before ${before.toFixed(1)} ms (medians of ${rounds}): ` +
                    `${(now - before).toFixed(1)} ms, 90 % interval ${low.toFixed(1)} to ${high.toFixed(1)} ms, ` +
                    `${verdict} max(5 ms, 5 %) = ${allowed.toFixed(1)} ms`);
    }
    await codeViewOpening(browser);
    console.log(`Click handler, 100 primes printed: ${(await clickHandlerMs(browser)).toFixed(2)} ms (median of ${rounds})`);
    await clickCostAfterMuchPrinted(browser);
} finally {
    await browser.close();
    rmSync(work, { recursive: true, force: true });
}
