// SPDX-License-Identifier: MIT
// Draws docs/screenshots/web-code-view.png: the dice game in the web page after 掷色子, with
// its code beside it and Command1_Click marked, in headless Chromium at 1280 x 800. The clock
// is frozen, as in the browser tests, so the dice fall the same way every time.
//
//     ./scripts/build web && node scripts/web-screenshot.mjs [PAGE] [OUTPUT.png]
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const top = path.resolve(path.dirname(fileURLToPath(import.meta.url)), "..");
const { default: puppeteer } = await import(
    pathToFileURL(path.join(top, "web/tests/node_modules/puppeteer-core/lib/esm/puppeteer/puppeteer-core.js")).href);
const pagePath = path.resolve(process.argv[2] ?? path.join(top, "build-web/teaching-programs.html"));
const output = path.resolve(process.argv[3] ?? path.join(top, "docs/screenshots/web-code-view.png"));

const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--no-first-run", "--font-render-hinting=none"],
});
try {
    const page = await browser.newPage();
    await page.setViewport({ width: 1280, height: 800 });
    await page.evaluateOnNewDocument(() => {
        Object.defineProperty(performance, "timeOrigin", { value: Date.UTC(2026, 0, 5, 10, 0, 0) + 0.5 });
        performance.now = () => 0;
    });
    await page.goto(`${pathToFileURL(pagePath).href}#orvane/代码`);
    await page.waitForSelector(".window[data-ready] ~ .code-view");
    // A round up to 掷色子: 大, a bet of 15, 买定离手, then the roll.
    const answers = ["大", "15"];
    for (const button of ["Command2", "Command3", "Command4", "Command1"]) {
        await page.click(`[data-control="${button}"]`);
        const state = await page.waitForFunction(() => (document.querySelector("dialog.box[open]") !== null ? "dialog"
            : document.querySelector(".window[aria-busy]") === null && "done"));
        if ((await state.jsonValue()) === "done") continue;
        await page.type("dialog.box[open] input", answers.shift());
        await page.click("dialog.box[open] .buttons button:first-child");
        await page.waitForFunction(() => document.querySelector(".window[aria-busy]") === null);
    }
    // No focus ring on the picture: the mark is what it shows.
    await page.evaluate(() => (document.activeElement instanceof HTMLElement) && document.activeElement.blur());
    const desktop = await page.$("#desktop");
    await desktop.screenshot({ path: output });
    console.log(output);
} finally {
    await browser.close();
}
