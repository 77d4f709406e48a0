// The same session in each engine, as a child meets the page: it starts, five "d" typed at once
// (no click on the drawing screen first) draw the line, keys still draw after a menu and after
// the How-to window, Ctrl+S downloads the picture, Exit ends the toy and "Play again" starts it,
// and nothing fails uncaught in the console; at ratios 1 and 2, in English, German and Arabic;
// the language's words fetched alone and once; in English at ratio 1 also a menu entry picked
// with the mouse, the name, closing the page with and without a drawing, the program fetched
// once, and an offline start.
// Shots are kept in WORK-DIR/shots.
// Usage: node test_engines.js WEB-DIR WORK-DIR [ENGINE...]   (default: all three)
"use strict";
const {launch, engines, until, comes, started, pixels, serve} = require("./engines");
const fs = require("fs");
const path = require("path");

const [webDir, workDir, ...chosen] = process.argv.slice(2);
const White = 0xffffff;
const px = (twips) => Math.floor((twips + 7) / 15); // as the desktop tests convert
const clientHeight = 439;
// Five steps right from the start: client pixels (50 is the canvas's border).
const line = {from: 50 + px(3788), to: 50 + px(4038), y: 50 + px(2288)};
const sessions = [
  {name: "en-1", locale: "en-US", ratio: 1, lang: "en", dir: "ltr", everything: true},
  {name: "en-2", locale: "en-US", ratio: 2, lang: "en", dir: "ltr"},
  {name: "de-1", locale: "de-DE", ratio: 1, lang: "de", dir: "ltr"},
  {name: "ar-2", locale: "ar-EG", ratio: 2, lang: "ar", dir: "rtl"},
];
const results = [];

// The pixels that turned white, as a box in device pixels.
function whitened(before, after) {
  let box = null;
  for (let y = 0; y < after.height; y++)
    for (let x = 0; x < after.width; x++)
      if (after.at(x, y) === White && before.at(x, y) !== White)
        box = box ? {x0: Math.min(box.x0, x), x1: Math.max(box.x1, x), y0: Math.min(box.y0, y),
                     y1: Math.max(box.y1, y)} : {x0: x, x1: x, y0: y, y1: y};
  return box;
}

async function session(engine, s, server) {
  const url = server.url;
  const checks = [];
  const check = (ok, what) => {
    checks.push({ok, what});
    console.log(`${ok ? "ok  " : "FAIL"} ${engine} ${s.name}: ${what}`);
  };
  const shotFile = (what) => path.join(workDir, "shots", `${engine}-${s.name}-${what}.png`);
  const t0 = Date.now();
  const fetched = server.fetched["scribblewick.wasm"] || 0;
  const languageFiles = () => Object.entries(server.fetched).filter(([f]) => f.startsWith("languages/"));
  const languagesBefore = Object.fromEntries(languageFiles());
  const b = await launch(engine, {workDir, name: s.name, width: 900, height: 700,
                                  ratio: s.ratio, locale: s.locale});
  const timing = {launch: Date.now() - t0};
  try {
    const t1 = Date.now();
    await b.goto(url);
    const mark = await until("the first frame", () => b.evaluate(() => {
      const m = performance.getEntriesByName("scribblewick-first-frame")[0];
      return m && m.startTime;
    }), 60000).catch(() => null);
    timing.firstFrame = Date.now() - t1;
    timing.mark = mark && Math.round(mark);
    check(mark !== null, `first frame (mark at ${timing.mark} ms)`);
    const page = await b.evaluate(() => {
      const c = document.querySelector("#qtcanvas canvas");
      const r = c && c.getBoundingClientRect();
      return {lang: document.documentElement.lang, dir: document.documentElement.dir,
              ratio: devicePixelRatio, canvas: r && {x: r.x, y: r.y, w: r.width, h: r.height,
                                                     device: c.width}};
    });
    check(page.lang === s.lang && page.dir === s.dir,
          `<html lang="${page.lang}" dir="${page.dir}">`);
    check(page.ratio === s.ratio && page.canvas && Math.round(page.canvas.w) === 599 &&
          Math.abs(page.canvas.device - 599 * s.ratio) < 1,
          `ratio ${page.ratio}, canvas ${JSON.stringify(page.canvas)}`);
    if (!page.canvas) return {checks, timing};
    // The client area's origin in device pixels. A canvas centred at half a CSS pixel is put
    // there (Firefox) or a device pixel on (Chromium): either is the engine's rounding.
    const r = s.ratio;
    const origin = {x: page.canvas.x * r, y: (page.canvas.y + page.canvas.h - clientHeight) * r};
    const rounded = (o, at) => at === Math.floor(o) || at === Math.floor(o) + (r > 1 ? 1 : 0);
    const near = (box) => box && rounded(origin.x, box.x0 - line.from * r) &&
      rounded(origin.y, box.y0 - line.y * r);
    // The picture before the keys. The mark should mean it is on the screen; where the first
    // shot is still blank (the frame's corner black), how long until it is, is told.
    const first = await b.shot();
    fs.writeFileSync(shotFile("first"), first);
    const corner = (png) => pixels(png).at(Math.ceil(origin.x) + 5 * r, Math.ceil(origin.y) + 5 * r);
    const t4 = Date.now();
    let settled = first;
    const painted = await comes("the picture", async () => {
      const previous = settled;
      settled = await b.shot();
      return corner(settled) !== 0 && settled.equals(previous);
    });
    timing.painted = Date.now() - t4;
    check(corner(first) !== 0, "the first shot after the mark shows the toy" +
          (corner(first) !== 0 ? "" : painted ? ` (only ${timing.painted} ms later)` : " (nor 20 s later)"));
    const before = pixels(settled);

    const t2 = Date.now();
    for (let i = 0; i < 5; i++) await b.press("d");
    let shot = null, box = null;
    await until("the line", async () => {
      shot = await b.shot();
      box = whitened(before, pixels(shot));
      return box && box.x1 - box.x0 + 1 >= (line.to - line.from + 1) * r;
    }, 10000).catch(() => {});
    timing.line = Date.now() - t2;
    fs.writeFileSync(shotFile("line"), shot);
    const client = box && {x: (box.x0 - Math.floor(origin.x)) / r, y: (box.y0 - Math.floor(origin.y)) / r};
    check(near(box) && box.x1 - box.x0 + 1 === (line.to - line.from + 1) * r && box.y1 - box.y0 + 1 === r,
          `five d draw the line ${line.from}-${line.to} at ${line.y}; turned white: ` +
          (box ? `device x ${box.x0}-${box.x1}, y ${box.y0}-${box.y1} (client about ` +
                 `${client.x}, ${client.y}; origin ${origin.x}, ${origin.y})` : "nothing"));

    // A click opens the first menu, Escape closes it: "d" still draws, one step further.
    const drawnShot = shot;
    await b.click(page.canvas.x + (s.dir === "rtl" ? 599 - 20 : 20), page.canvas.y + 9);
    let menu = null;
    await until("the menu", async () => !(menu = await b.shot()).equals(drawnShot), 5000)
      .catch(() => {});
    fs.writeFileSync(shotFile("menu"), menu);
    await b.press("Escape");
    const closed = await comes("the menu closed", async () => (await b.shot()).equals(drawnShot),
                               5000);
    await b.press("d");
    const step = [Math.floor(origin.x) + (50 + px(4088)) * r, Math.floor(origin.y) + line.y * r];
    const further = await comes("one step more", async () => {
      const p = pixels(shot = await b.shot());
      return [0, 1].some((d) => p.at(step[0] + d, step[1] + d) === White);
    }, 5000);
    fs.writeFileSync(shotFile("after-menu"), shot);
    check(!menu.equals(drawnShot) && closed && further, `after a menu and Escape "d" draws on` +
          (menu.equals(drawnShot) ? " (no menu opened)" : closed ? "" : " (Escape left the menu open)"));

    const t3 = Date.now();
    const downloaded = b.download(15000);
    await b.press("Control+s");
    const file = await downloaded.catch((e) => ({error: e.message}));
    timing.download = Date.now() - t3;
    if (file.bytes) {
      fs.writeFileSync(path.join(workDir, "shots", `${engine}-${s.name}-${file.name}`), file.bytes);
      const bmp = file.bytes.toString("latin1", 0, 2) === "BM";
      const w = bmp ? file.bytes.readInt32LE(18) : 0, h = bmp ? file.bytes.readInt32LE(22) : 0;
      const what = `Ctrl+S downloads ${file.name}, ${bmp ? `a BMP of ${w} x ${h}` : "no BMP"}`;
      // The picture is the client area's device pixels, as the screen shows them (at the
      // engine's rounding of the canvas's place).
      const screen = pixels(await b.shot());
      const stride = Math.ceil(w * 3 / 4) * 4, offset = bmp ? file.bytes.readUInt32LE(10) : 0;
      const differing = (ox, oy) => {
        let n = 0;
        for (let y = 0; y < h; y++)
          for (let x = 0; x < w; x++) {
            const i = offset + (h - 1 - y) * stride + x * 3;
            const v = (file.bytes[i + 2] << 16) | (file.bytes[i + 1] << 8) | file.bytes[i];
            if (v !== screen.at(ox + x, oy + y)) n++;
          }
        return n;
      };
      const fx = Math.floor(origin.x), fy = Math.floor(origin.y);
      const least = bmp ? Math.min(...[[0, 0], [1, 0], [0, 1], [1, 1]].map(([dx, dy]) =>
        differing(fx + dx, fy + dy))) : -1;
      check(bmp && w === 599 * r && h === clientHeight * r && least === 0,
            `${what}, the screen's picture (${least} pixels differ)`);
    } else check(false, `Ctrl+S downloads: ${file.error}`);

    // F1's window closed with Enter: the keys draw again, one step down from where the pen is.
    const beforeHelp = await b.shot();
    await b.press("F1");
    const helped = await comes("the How-to window", async () => !(await b.shot()).equals(beforeHelp),
                               5000);
    await b.press("Enter");
    await until("the window gone", async () => (await b.shot()).equals(beforeHelp), 5000)
      .catch(() => {});
    await b.press("x");
    const drawsAgain = await comes("a step down", async () =>
      whitened(pixels(beforeHelp), pixels(await b.shot())) !== null, 5000);
    check(helped && drawsAgain, "after F1 and Enter \"x\" draws on" + (helped ? "" : " (no window)"));
    fs.writeFileSync(shotFile("end"), await b.shot());
    if (s.everything) await everything(b, check, shotFile, page.canvas, origin, server, fetched);

    // Exit ends the toy in the page; "Play again" starts it afresh.
    await b.press("Control+x");
    const ended = await comes("the ending", () => b.evaluate(() => !document.getElementById("ended").hidden),
                              10000);
    const again = await b.evaluate(() => {
      const r = document.getElementById("again").getBoundingClientRect();
      return {x: r.x + r.width / 2, y: r.y + r.height / 2, text: document.getElementById("again").textContent};
    });
    await b.click(again.x, again.y);
    // The page is reloaded meanwhile: a question asked while it goes is asked again.
    const restarted = await comes("the first frame again", () => b.evaluate(
      () => performance.getEntriesByName("scribblewick-first-frame").length > 0).catch(() => false),
                                  60000);
    check(ended && again.text && restarted, `Ctrl+X ends the toy, "${again.text}" starts it again`);
    // One language's words are downloaded, once: started again, the page has them kept.
    const got = languageFiles().map(([f, n]) => [f, n - (languagesBefore[f] || 0)])
      .filter(([, n]) => n > 0).map(([f, n]) => `${f} x${n}`);
    const want = s.lang === "en" ? [] : [`languages/${s.lang}.rcc x1`];
    const lang = await b.evaluate(() => document.documentElement.lang);
    check(got.join() === want.join() && lang === s.lang,
          `the words of ${lang} alone, fetched once (${got.join(", ") || "none"})`);
    if (s.everything) {
      const closing = await b.tryClose().catch((e) => e.message);
      check(closing === "closed", `with an empty screen the page closes unasked (${closing})`);
    }
  } finally {
    const errors = b.console.filter((m) => /^(error|pageerror)|unhandled|uncaught/i.test(m));
    check(errors.length === 0, "no error in the console" +
          (errors.length ? ":\n       " + errors.join("\n       ") : ""));
    await b.close();
    timing.session = Date.now() - t0;
  }
  return {checks, timing, console: b.console};
}

// Counted in device pixels of a shot: the client rectangle x, y, w, h.
function count(png, origin, r, [x, y, w, h], test) {
  const p = pixels(png);
  let n = 0;
  for (let j = Math.ceil(origin.y + y * r); j < origin.y + (y + h) * r; j++)
    for (let i = Math.ceil(origin.x + x * r); i < origin.x + (x + w) * r; i++) if (test(p.at(i, j))) n++;
  return n;
}

// The rest of a child's first minutes, at ratio 1 in English: a menu entry picked with the
// mouse, the name signed, a start with the server gone.
async function everything(b, check, shotFile, canvas, origin, server, fetchedBefore) {
  const screenArea = [52, 52, 496, 296];
  const whites = async () => count(await b.shot(), origin, 1, screenArea, (v) => v === White);
  await b.click(canvas.x + 160, canvas.y + 9); // Background Color
  await b.click(canvas.x + 160, canvas.y + 52); // its Gray
  const grey = await comes("the grey screen", async () =>
    count(await b.shot(), origin, 1, [300, 150, 1, 1], (v) => v === 0x808080) === 1, 5000);
  const drawn = await whites();
  for (const key of "wwwww") await b.press(key);
  check(grey && await comes("the keys drawing", async () => await whites() > drawn, 5000),
        "Background Color > Gray picked with the mouse greys the screen, " +
        "and the keys draw on");

  // The name: More Fun's one entry, typed, its OK clicked where it lies over the toy.
  const label = [16, 16, 560, 16];
  const ink = async () => count(await b.shot(), origin, 1, label, (v) => v !== 0xff0000);
  const unsigned = await ink();
  const beforeDialog = await b.shot();
  await b.press("Alt+m");
  await b.press("Enter");
  const opened = await comes("the name dialog", async () => !(await b.shot()).equals(beforeDialog),
                             5000);
  await b.type("Ada");
  fs.writeFileSync(shotFile("name"), await b.shot());
  await b.click(canvas.x + 116 + 264, canvas.y + canvas.h - clientHeight + 166 + 12);
  check(opened && await comes("the signature", async () => await ink() > unsigned + 50, 5000),
        "the name dialog signs the drawing");
  fs.writeFileSync(shotFile("signed"), await b.shot());

  // With a drawing, closing the page is asked about first; answered "stay", the keys draw on.
  const beforeClose = await whites();
  const closing = await b.tryClose().catch((e) => e.message);
  for (const key of "ddddd") await b.press(key);
  check(closing === "asked" && await comes("the keys drawing", async () => await whites() > beforeClose,
                                           5000),
        `with a drawing, closing the page asks first, and the keys draw on (${closing})`);

  // Offline: shaken first (a drawing would have the reload asked about), the server gone, a
  // reload starts the toy from what the page keeps.
  await b.press("F4");
  await until("the shaken screen", async () => await whites() === 0, 5000).catch(() => {});
  const kept = await comes("the page kept", () => b.evaluate(() => navigator.serviceWorker &&
    caches.keys().then((k) => k.length > 0 && navigator.serviceWorker.controller !== null)), 20000);
  const fetched = server.fetched["scribblewick.wasm"] - fetchedBefore;
  check(fetched === 1, `the first visit fetches the program once (${fetched} times)`);
  await server.stop();
  try {
    await b.reload();
    check(kept && await started(b).then(() => true, () => false),
          "with the server gone a reload starts the toy" +
          (kept ? "" : " (no service worker took the page)"));
  } finally {
    Object.assign(server, await serve(server.dir, server.port));
  }
}

// A window smaller than the toy: the toy shown whole and smaller, a knob answering where it
// shows (the picture then changes).
async function small(engine, url) {
  const checks = [];
  const b = await launch(engine, {workDir, name: "small", width: 320, height: 480, ratio: 1,
                                  locale: "en-US"});
  try {
    await b.goto(url);
    await started(b);
    const fit = () => b.evaluate(() => {
      const r = document.querySelector("#qtcanvas canvas").getBoundingClientRect();
      return {x: r.x, y: r.y, w: r.width, h: r.height, inside: r.left >= 0 && r.top >= 0 &&
              r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5};
    });
    const box = await until("the toy fitted", async () => { const f = await fit(); return f.inside && f; },
                            10000).catch(fit);
    const zoom = box.w / 599;
    // The picture settled at the new size (the engine may show a frame of the old one first).
    let before = await b.shot();
    await until("the picture settled", async () => {
      const previous = before;
      return (before = await b.shot()).equals(previous);
    }, 10000).catch(() => {});
    fs.writeFileSync(path.join(workDir, "shots", `${engine}-small.png`), before);
    await b.click(box.x + (80 + 16) * zoom, box.y + box.h - (439 - 364 - 32) * zoom);
    const stepped = await comes("the knob's step", async () => !(await b.shot()).equals(before), 5000);
    checks.push({ok: box.inside && zoom < 0.6 && stepped,
                 what: `in a 320 x 480 window the whole toy shows at ${zoom.toFixed(3)}, and a click ` +
                       `on the knob where it shows draws${stepped ? "" : " (nothing changed)"}`});
  } catch (e) {
    checks.push({ok: false, what: "the small window: " + e.message});
  } finally {
    await b.close();
  }
  for (const c of checks) console.log(`${c.ok ? "ok  " : "FAIL"} ${engine} small: ${c.what}`);
  return {checks};
}

async function main() {
  fs.mkdirSync(path.join(workDir, "shots"), {recursive: true});
  const server = await serve(webDir);
  try {
    for (const engine of chosen.length ? chosen : engines)
      for (const s of sessions) {
        const r = await session(engine, s, server).catch((e) => ({
          checks: [{ok: false, what: "the session: " + e.message}], timing: {}}));
        if (r.checks.some((c) => !c.ok && c.what.startsWith("the session")))
          console.log(`FAIL ${engine} ${s.name}: ${r.checks[0].what}`);
        console.log(`     ${engine} ${s.name} ms: ${JSON.stringify(r.timing)}`);
        results.push({engine, session: s.name, ...r});
      }
    for (const engine of chosen.length ? chosen : engines)
      results.push({engine, session: "small", ...await small(engine, server.url)});
  } finally {
    await server.stop();
  }
  const all = results.flatMap((r) => r.checks);
  const failed = all.filter((c) => !c.ok).length;
  console.log(`${all.length - failed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
}

main().catch((error) => { console.error(error); process.exit(1); });
