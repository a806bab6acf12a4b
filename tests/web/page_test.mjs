// SPDX-License-Identifier: GPL-3.0-or-later
// The page in headless Chromium, against the window model built for this machine: scenario 10 runs at the
// 1 ms rate, pauses, has a body's velocity edited; then scenario 1 runs two orbits and pauses. After each
// pause the texts, states and drawing the page's model holds must be, bit for bit, those of the window
// model replaying the page's session, built for node and for this machine; and the page's elements must
// show what its model holds. A message box holds the run until it is closed. The drift file downloads as data-drift.txt with the
// model's bytes, and a reload asks before it is lost.
//
// Environment: ZEPHRA_WEB_SITE (the page's folder), ZEPHRA_WEB_REPLAY (zephra_web_replay, native),
// ZEPHRA_WEB_REPLAY_NODE (its emscripten build, zephra_web_replay.js),
// ZEPHRA_NODE_MODULES (where puppeteer-core is installed), ZEPHRA_SCREENSHOT (the PNG to write).
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import { createRequire } from "node:module";
import os from "node:os";
import path from "node:path";

const require = createRequire(path.resolve(process.env.ZEPHRA_NODE_MODULES, "noop.js"));
const puppeteer = require("puppeteer-core");
const site = path.resolve(process.env.ZEPHRA_WEB_SITE);
const replayNative = (log) => execFileSync(path.resolve(process.env.ZEPHRA_WEB_REPLAY), [log], { cwd: scratch, encoding: "utf8" });
const replayNode = (log) => execFileSync("node", ["--no-experimental-fetch", path.resolve(process.env.ZEPHRA_WEB_REPLAY_NODE), log],
  { cwd: scratch, encoding: "utf8" });
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), "zephra-web-"));
let failures = 0;
function check(ok, what) {
  console.log(`${ok ? "ok  " : "FAIL"} ${what}`);
  if (!ok) ++failures;
}

const types = { ".html": "text/html", ".js": "text/javascript", ".css": "text/css", ".wasm": "application/wasm" };
const server = http.createServer((request, response) => {
  const file = path.join(site, request.url === "/" ? "index.html" : path.normalize(request.url));
  fs.readFile(file, (error, data) => {
    response.writeHead(error ? 404 : 200, { "Content-Type": types[path.extname(file)] ?? "text/plain" });
    response.end(error ? "" : data);
  });
});
await new Promise((ready) => server.listen(0, "127.0.0.1", ready));

const browser = await puppeteer.launch({
  executablePath: "/usr/bin/chromium",
  headless: "new",
  args: ["--no-sandbox", "--window-size=1024,800"],
});
const page = await browser.newPage();
page.on("pageerror", (error) => check(false, `no script error (${error.message})`));
await page.setViewport({ width: 1024, height: 800 });
const cdp = await page.createCDPSession();
await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: scratch });

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));
const control = (name, index = -1) => `[data-name="${name}"][data-index="${index}"]`;
const valueOf = (name, index = -1) => page.$eval(control(name, index), (e) => e.value);
async function typeInto(name, index, text) {
  await page.click(control(name, index), { clickCount: 3 });
  await page.keyboard.type(text);
  await page.keyboard.press("Tab"); // Tab applies an edit, as on the desktop
}
const nextFrame = () => page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0))));

await page.goto(`http://127.0.0.1:${server.address().port}/`);
await page.waitForSelector("body[data-ready]", { timeout: 10000 });
const interactiveMs = await page.evaluate(() => performance.now());
console.log(`interactive after ${interactiveMs.toFixed(0)} ms`);
await sleep(200);

// What the page's model holds, what the native model makes of the same session, and what the page shows.
async function compareWithModel(what) {
  await nextFrame();
  const { log, text, shown } = await page.evaluate(() => {
    const text = Module.UTF8ToString(Module._zephra_window_text());
    const shown = JSON.parse(text).controls.map((c) => {
      const e = document.querySelector(`#${["main", "farewell"][c.form]} [data-name="${c.name}"][data-index="${c.index}"]`);
      const input = e.tagName === "LABEL" ? e.firstChild : e;
      const words = e.tagName === "INPUT" || e.tagName === "TEXTAREA" ? e.value
        : e.tagName === "LABEL" ? e.lastChild.textContent
        : e.classList.contains("frame") ? e.firstChild.textContent : e.textContent;
      return { text: words, shown: e.checkVisibility(), enabled: !input.disabled };
    });
    return { log: Module.UTF8ToString(Module._zephra_session_log()), text, shown };
  });
  const logFile = path.join(scratch, "session.log");
  fs.writeFileSync(logFile, log);
  // The same model under node without the page, and the one built for this machine.
  for (const [replayer, name] of [[replayNode, "node"], [replayNative, "native"]]) {
    const output = replayer(logFile);
    check(output === text, `${what}: the page's window and bodies equal the ${name} model's, bit for bit`);
    if (output !== text) {
      const a = output.split("\n"), b = text.split("\n");
      const k = a.findIndex((line, i) => line !== b[i]);
      console.log(`  ${name}: ${a[k]}\n  page:   ${b[k]}`);
    }
  }
  const model = JSON.parse(text).controls;
  const wrong = model.filter((c, i) => {
    const s = shown[i];
    const words = c.text.replace(/\r\n?/g, "\n");
    const kindShowsText = !(s.text === "" && words !== "" && c.name.startsWith("Im"));
    return s.shown !== c.shown || (c.shown && kindShowsText && s.text !== words) || (c.shown && s.enabled !== c.enabled);
  });
  check(wrong.length === 0, `${what}: every control shows its model's text, visibility and state` +
    (wrong.length ? ` (not ${wrong.slice(0, 5).map((c) => `${c.name}(${c.index})`).join(", ")})` : ""));
  return JSON.parse(text);
}

// Scenario 10 at 1 ms: the rate the page holds.
await page.click(control("CDp", 10));
await typeInto("TXt", -1, "1");
const before = await page.evaluate(() => [performance.now(), JSON.parse(Module.UTF8ToString(Module._zephra_window_text())).iterations]);
await sleep(2000);
const after = await page.evaluate(() => [performance.now(), JSON.parse(Module.UTF8ToString(Module._zephra_window_text())).iterations]);
const hexToDouble = (hex) => new DataView(new BigUint64Array([BigInt("0x" + hex)]).buffer).getFloat64(0, true);
const ticksPerSecond = ((hexToDouble(after[1]) - hexToDouble(before[1])) * 1000) / (after[0] - before[0]);
console.log(`run timer at 1 ms: ${ticksPerSecond.toFixed(0)} ticks a second`);
check(ticksPerSecond > 500, "the run timer ticks at the 1 ms rate (over 500 a second on a busy machine)");
await page.click(control("Command5"));
check(await page.$eval(control("TXTp", 2), (e) => e.checkVisibility()), "pausing shows the body editor");
// The free rate keeps the focus in its box (its LostFocus gives it back); a preset rate lets it go.
await page.click(control("Optim", 3));
await typeInto("TXTp", 2, "12.5");
check(await page.evaluate(() => Module.UTF8ToString(Module._zephra_session_log()).includes("E 0 TXTp 2 text 12.5\n")),
  "the edit reaches the body editor's box");
await compareWithModel("scenario 10 paused and edited");
fs.mkdirSync(path.dirname(process.env.ZEPHRA_SCREENSHOT), { recursive: true });
await page.screenshot({ path: process.env.ZEPHRA_SCREENSHOT, clip: { x: 0, y: 0, width: 1024, height: 768 } });

// Scenario 1, two orbits: the drift file.
await page.click(control("CDp", 1));
await typeInto("TXt", -1, "1");
await page.waitForFunction(() => Number(document.querySelector('[data-name="TXlaps"]').value) >= 2, { timeout: 20000 });
await page.click(control("Command5"));
await compareWithModel("scenario 1 after two orbits");
const modelDrift = fs.readFileSync(path.join(scratch, "data-drift.txt"), "utf8");
check(await page.$eval("#download", (e) => !e.disabled), "the download is offered once an orbit is recorded");
check((await page.$eval(control("CHfile"), (e) => e.title)).includes("Save data-drift.txt"), "the File tooltip names the download");

let asked = false;
page.once("dialog", async (dialog) => {
  asked = dialog.type() === "beforeunload";
  await dialog.dismiss();
});
await page.evaluate(() => location.reload()).catch(() => {});
await sleep(500);
check(asked, "a reload asks first while the drift record is not saved");
fs.rmSync(path.join(scratch, "data-drift.txt"));
await page.click("#download");
for (let k = 0; k < 50 && !fs.existsSync(path.join(scratch, "data-drift.txt")); ++k) await sleep(100);
const downloaded = fs.existsSync(path.join(scratch, "data-drift.txt")) ? fs.readFileSync(path.join(scratch, "data-drift.txt"), "utf8") : "";
check(downloaded.length > 0 && downloaded === modelDrift, "data-drift.txt downloads with the bytes the native model wrote");

// A message box is modal and holds the run until it is closed: a gravity delay at speed 0 switches off.
await page.click(control("CDp", 10));
await page.click(control("Optim", 3)); // a preset rate, so that the speed box keeps the focus
if (!(await page.$eval(control("ChDist"), (e) => e.firstChild.checked))) await page.click(control("ChDist"));
await page.click(control("Cosmos", 3));
await typeInto("TXGspeed", -1, "0");
await page.waitForSelector("#message[open]", { timeout: 5000 });
const said = await page.$eval("#message-text", (e) => e.textContent);
check(said === "Gravity Delay switched off", `the message box says "Gravity Delay switched off" (${said})`);
const iterations = () => page.evaluate(() => JSON.parse(Module.UTF8ToString(Module._zephra_window_text())).iterations);
const held = await iterations();
await sleep(300);
check((await iterations()) === held, "the run waits while the message box is open");
await page.click("#message-ok");
await sleep(300);
check(!(await page.$eval("#message", (e) => e.open)) && (await iterations()) !== held, "closing it lets the run go on");
check(!(await page.$eval(control("Cosmos", 3), (e) => e.firstChild.checked)), "the gravity delay is unticked");
await page.click(control("Command5"));
await compareWithModel("scenario 10 after the message box");

// "X" leaves the simulator for the farewell window, whose "x" ends the program.
await page.click(control("Command1"));
check(await page.$eval("#main", (e) => e.hidden) && await page.$eval("#farewell", (e) => !e.hidden),
  "X shows the farewell window in place of the main one");
await page.click(`#farewell ${control("Command2", 1)}`);
check(await page.$eval("#ended", (e) => !e.hidden), "the farewell window's x ends the program");

await browser.close();
server.close();
fs.rmSync(scratch, { recursive: true, force: true });
console.log(failures ? `${failures} check(s) failed` : "all checks passed");
process.exit(failures ? 1 : 0);
