// One way to drive the page in each of three engines, so one session runs in all of them:
//   chromium  Debian's Chromium through playwright-core;
//   firefox   Debian's Firefox ESR through puppeteer-core over WebDriver BiDi, in a window on a
//             private Xvfb (headless Firefox has no WebGL on Linux);
//   webkit    a WebKitGTK view of our own (webkit_view.py) in a private Xvfb, keys and clicks
//             sent by xdotool as a person's would come, pictures from the view's snapshots.
// const b = await launch(engine, {workDir, name, width, height, ratio, locale, touch});
// Everything is in page CSS pixels but shot(), which is the viewport at device pixels.
"use strict";
const {spawn, execFile} = require("child_process");
const fs = require("fs");
const net = require("net");
const path = require("path");
const readline = require("readline");

const chromiumFlags = ["--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
                       "--ignore-gpu-blocklist", "--disable-gpu-sandbox",
                       "--disable-background-networking", "--disable-component-update",
                       "--disable-sync", "--no-first-run", "--disable-quic"];

async function until(what, probe, timeout = 20000) {
  const end = Date.now() + timeout;
  for (;;) {
    const value = await probe();
    if (value) return value;
    if (Date.now() > end) throw new Error("timed out waiting for " + what);
    await new Promise((r) => setTimeout(r, 50));
  }
}

// Whether `probe` comes true in time, as a check's result; the time-out is told.
const comes = (what, probe, timeout) => until(what, probe, timeout).then(() => true, (e) => {
  console.log("  " + e.message);
  return false;
});

// Until the page has marked its first frame (a playwright page or a session of launch()).
const started = (page, timeout = 60000) => until("the first frame", () => page.evaluate(
  () => performance.getEntriesByName("scribblewick-first-frame").length > 0), timeout);

// xdotool on the display of `env`, its output the promise's.
const xdotoolOn = (env) => (...args) => new Promise((resolve, reject) =>
  execFile("xdotool", args, {env}, (error, out) => error ? reject(error) : resolve(out)));

// A fresh folder for the session's profile and another for what it downloads.
// Each session's own, emptied first unless the profile is to be `kept` (a browser started again).
function folders(engine, {workDir, name, kept}) {
  const base = path.join(workDir, `${engine}-${name}`);
  if (!kept) fs.rmSync(base, {recursive: true, force: true});
  const profile = path.join(base, "profile"), downloads = path.join(base, "downloads");
  fs.mkdirSync(profile, {recursive: true});
  fs.mkdirSync(downloads, {recursive: true});
  return {profile, downloads};
}

// The next file that appears whole in `dir` (browsers write into a temporary name first).
function nextFile(dir, timeout, partial) {
  const before = new Set(fs.readdirSync(dir));
  return until("a download", () => {
    const name = fs.readdirSync(dir).find((f) => !before.has(f) && !partial.test(f));
    if (!name) return null;
    const bytes = fs.readFileSync(path.join(dir, name));
    return bytes.length ? {name, bytes} : null;
  }, timeout);
}

// The page closed as a person closes it: "asked" when the browser asked first (answered "stay",
// the page goes on), else "closed". WebKit's view stays either way.
async function tryClose(page) {
  let asked = false;
  const answer = (dialog) => {
    if (dialog.type() !== "beforeunload") return;
    asked = true;
    dialog.dismiss().catch(() => {});
  };
  page.on("dialog", answer);
  try {
    await page.close({runBeforeUnload: true});
    return await until("the page closed or asked about", () => asked ? "asked" :
                 page.isClosed() && "closed", 10000);
  } finally {
    page.off("dialog", answer);
  }
}

function serialise(fn, args) {
  return `(${fn})(...${JSON.stringify(args)})`;
}

async function chromium(options) {
  const {chromium} = require("playwright-core");
  const {profile} = folders("chromium", options);
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium", headless: true, args: chromiumFlags,
    acceptDownloads: true, locale: options.locale,
    viewport: {width: options.width, height: options.height}, deviceScaleFactor: options.ratio,
    ...(options.touch ? {isMobile: true, hasTouch: true} : {})});
  const page = context.pages()[0] || await context.newPage();
  const seen = [];
  page.on("console", (m) => seen.push(`${m.type()}: ${m.text()}`));
  page.on("pageerror", (e) => seen.push(`pageerror: ${e.message}`));
  let touchAt = null;
  const touch = (type, points) => page.context().newCDPSession(page).then((s) =>
    s.send("Input.dispatchTouchEvent", {type, touchPoints: points}).finally(() => s.detach()));
  return {
    engine: "chromium", page, context, console: seen,
    goto: (url) => page.goto(url).then(() => {}),
    reload: () => page.reload().then(() => {}),
    evaluate: (fn, ...args) => page.evaluate(serialise(fn, args)),
    press: (key) => page.keyboard.press(key),
    type: (text) => page.keyboard.type(text, {delay: 30}),
    click: (x, y) => page.mouse.click(x, y),
    move: (x, y) => page.mouse.move(x, y),
    down: (x, y) => (x === undefined ? Promise.resolve() : page.mouse.move(x, y))
      .then(() => page.mouse.down()),
    up: () => page.mouse.up(),
    tap: (x, y) => page.touchscreen.tap(x, y),
    touchDown: (x, y) => touch("touchStart", [touchAt = {x, y}]),
    touchMove: (x, y) => touch("touchMove", [touchAt = {x, y}]),
    touchUp: () => touch("touchEnd", []).then(() => { touchAt = null; }),
    shot: () => page.screenshot(),
    tryClose: () => tryClose(page),
    download: (timeout = 20000) => page.waitForEvent("download", {timeout}).then(async (d) =>
      ({name: d.suggestedFilename(), bytes: fs.readFileSync(await d.path())})),
    close: () => context.close(),
  };
}

async function firefox(options) {
  const puppeteer = require("puppeteer-core");
  const {profile, downloads} = folders("firefox", options);
  // Headless Firefox on Linux has no WebGL at all: a real window, on a display of its own.
  const {width, height, ratio} = options;
  const xvfb = await privateDisplay((width + 100) * ratio, (height + 200) * ratio);
  const browser = await puppeteer.launch({
    browser: "firefox", executablePath: "/usr/bin/firefox-esr", headless: false,
    userDataDir: profile, env: {...process.env, DISPLAY: xvfb.display},
    args: [`--width=${width + 100}`, `--height=${height + 200}`], defaultViewport: null,
    extraPrefsFirefox: {
      "browser.download.dir": downloads, "browser.download.folderList": 2,
      "browser.download.useDownloadDir": true,
      "browser.download.always_ask_before_handling_new_types": false,
      "browser.download.start_downloads_in_tmp_dir": false,
      "browser.download.alwaysOpenPanel": false,
      "browser.download.manager.showWhenStarting": false,
      "browser.helperApps.neverAsk.saveToDisk": "image/bmp,image/png,application/octet-stream",
      "intl.accept_languages": options.locale, "intl.locale.requested": options.locale,
    }}).catch(async (e) => { await xvfb.stop(); throw e; });
  // A tab of its own: the first one kept, as Firefox closes the window with its last tab.
  const page = await browser.newPage();
  await page.setViewport({width, height, deviceScaleFactor: ratio});
  const seen = [];
  page.on("console", (m) => seen.push(`${m.type()}: ${m.text()}`));
  page.on("pageerror", (e) => seen.push(`pageerror: ${e.message}`));
  // "Control+s": the modifiers held while the key goes down and up.
  const press = async (key) => {
    const parts = key.split("+");
    const last = parts.pop() || "+";
    for (const m of parts) await page.keyboard.down(m);
    await page.keyboard.press(last);
    for (const m of parts.reverse()) await page.keyboard.up(m);
  };
  return {
    engine: "firefox", page, browser, console: seen,
    goto: (url) => page.goto(url).then(() => {}),
    reload: () => page.reload().then(() => {}),
    evaluate: (fn, ...args) => page.evaluate(serialise(fn, args)),
    press,
    type: (text) => page.keyboard.type(text, {delay: 30}),
    click: (x, y) => page.mouse.click(x, y),
    move: (x, y) => page.mouse.move(x, y),
    down: (x, y) => (x === undefined ? Promise.resolve() : page.mouse.move(x, y))
      .then(() => page.mouse.down()),
    up: () => page.mouse.up(),
    shot: () => page.screenshot().then((b) => Buffer.from(b)),
    tryClose: () => tryClose(page),
    download: (timeout = 20000) => nextFile(downloads, timeout, /\.part$/),
    close: () => browser.close().finally(() => xvfb.stop()),
  };
}

// What the sessions started goes with the script, however it ends (an exit before close()).
const children = new Set();
process.on("exit", () => { for (const child of children) try { process.kill(child.pid); } catch {} });
function own(child) {
  children.add(child);
  child.once("exit", () => children.delete(child));
  return child;
}

function stop(child) {
  return new Promise((resolve) => {
    if (child.exitCode !== null || child.signalCode !== null) return resolve();
    child.once("exit", resolve);
    process.kill(child.pid);
  });
}

// An X display of the session's own; Xvfb picks a free number and tells it on fd 3.
async function privateDisplay(width, height) {
  const xvfb = own(spawn("Xvfb", ["-displayfd", "3", "-nolisten", "tcp", "-screen", "0",
                                  `${width}x${height}x24`],
                         {stdio: ["ignore", "ignore", "ignore", "pipe"]}));
  const number = await new Promise((resolve, reject) => {
    let text = "";
    xvfb.stdio[3].on("data", (d) => { text += d; if (text.includes("\n")) resolve(text.trim()); });
    xvfb.once("exit", () => reject(new Error("Xvfb ended")));
  });
  return {display: ":" + number, stop: () => stop(xvfb)};
}

// xdotool's names for the keys where they differ from the DOM's.
const xKeys = {Control: "ctrl", Alt: "alt", Shift: "shift", Meta: "super", Enter: "Return",
               ArrowLeft: "Left", ArrowRight: "Right", ArrowUp: "Up", ArrowDown: "Down",
               Backspace: "BackSpace", " ": "space", PageUp: "Prior", PageDown: "Next"};

async function webkit(options) {
  const {profile, downloads} = folders("webkit", options);
  const ratio = options.ratio;
  // The window fills the screen, which is as large as it in device pixels.
  const xvfb = await privateDisplay(options.width * ratio, options.height * ratio);
  const display = xvfb.display;
  const home = path.join(profile, "home");
  for (const dir of [".config", ".cache", ".local"]) fs.mkdirSync(path.join(home, dir), {recursive: true});
  const env = {...process.env, DISPLAY: display, GDK_BACKEND: "x11", GDK_SCALE: String(ratio),
               GDK_DPI_SCALE: "1", HOME: home, XDG_CONFIG_HOME: path.join(home, ".config"),
               XDG_CACHE_HOME: path.join(home, ".cache"), XDG_DATA_HOME: path.join(home, ".local"),
               LANGUAGE: options.locale.replace("-", "_"), NO_AT_BRIDGE: "1"};
  // The view's replies come on fd 3; its stdout and stderr carry the page's console.
  const view = own(spawn("/usr/bin/python3", [path.join(__dirname, "webkit_view.py"),
                         String(options.width), String(options.height), options.locale, profile,
                         downloads], {env, stdio: ["pipe", "pipe", "pipe", "pipe"]}));
  const seen = [];
  for (const stream of [view.stdout, view.stderr])
    readline.createInterface({input: stream}).on("line", (line) => {
      // WebKit's own lines read "URL:LINE:COLUMN: CONSOLE ERROR text"; the rest is GTK's.
      if (/CONSOLE /.test(line)) seen.push(line);
      else if (line.trim()) seen.push("webkit: " + line);
    });
  const waiting = new Map(), events = [];
  let next = 1, ended = null;
  readline.createInterface({input: view.stdio[3]}).on("line", (line) => {
    const message = JSON.parse(line);
    const reply = waiting.get(message.id);
    if (reply) {
      waiting.delete(message.id);
      if (message.error) reply.reject(new Error("webkit: " + message.error));
      else reply.resolve(message.value);
    } else events.push(message);
  });
  view.once("exit", (code) => {
    ended = new Error(`webkit view ended (${code})`);
    for (const r of waiting.values()) r.reject(ended);
    waiting.clear();
  });
  const ask = (op, fields = {}) => ended ? Promise.reject(ended) : new Promise((resolve, reject) => {
    const id = next++;
    waiting.set(id, {resolve, reject});
    view.stdin.write(JSON.stringify({id, op, ...fields}) + "\n");
  });
  const window = await until("the view's window", () => ended || events.find((e) => e.window),
                             30000).then((e) => { if (e === ended) throw ended; return String(e.window); })
    .catch(async (e) => { await stop(view); await xvfb.stop(); throw e; });
  const xdotool = xdotoolOn(env);
  // The window gets the keyboard once, as a person's window manager would give it.
  await xdotool("windowfocus", "--sync", window);
  const at = (x, y) => ["mousemove", "--sync", String(Math.round(x * ratio)),
                        String(Math.round(y * ratio))];
  const keyName = (key) => key.split("+").map((k) => xKeys[k] || k).join("+");
  return {
    engine: "webkit", console: seen, display,
    goto: (url) => ask("goto", {url}),
    reload: () => ask("reload"),
    evaluate: (fn, ...args) => ask("evaluate", {script: serialise(fn, args)}),
    press: (key) => xdotool("key", "--delay", "30", keyName(key)),
    type: (text) => xdotool("type", "--delay", "30", text),
    click: (x, y) => xdotool(...at(x, y), "click", "1"),
    move: (x, y) => xdotool(...at(x, y)),
    down: (x, y) => x === undefined ? xdotool("mousedown", "1")
      : xdotool(...at(x, y), "mousedown", "1"),
    up: () => xdotool("mouseup", "1"),
    shot: () => ask("shot").then((b64) => Buffer.from(b64, "base64")),
    tryClose: () => ask("try_close"),
    download: (timeout = 20000) => {
      const start = events.length;
      return until("a download", () => events.slice(start).find((e) => e.downloaded), timeout)
        .then((e) => ({name: path.basename(e.downloaded), bytes: fs.readFileSync(e.downloaded)}));
    },
    close: async () => {
      await ask("close").catch(() => {});
      await stop(view);
      await xvfb.stop();
    },
  };
}

// A shot's pixels as 0xRRGGBB, row by row (8-bit RGB or RGBA, not interlaced, as all three give).
function pixels(png) {
  const zlib = require("zlib");
  const width = png.readUInt32BE(16), height = png.readUInt32BE(20);
  const depth = png[24], type = png[25], interlaced = png[28];
  if (depth !== 8 || (type !== 2 && type !== 6) || interlaced) throw new Error("unread PNG");
  const chunks = [];
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at), kind = png.toString("latin1", at + 4, at + 8);
    if (kind === "IDAT") chunks.push(png.subarray(at + 8, at + 8 + length));
    at += 12 + length;
  }
  const data = zlib.inflateSync(Buffer.concat(chunks));
  const n = type === 6 ? 4 : 3, stride = width * n;
  const rows = Buffer.alloc(stride * height), rgb = new Uint32Array(width * height);
  for (let y = 0; y < height; y++) {
    const filter = data[y * (stride + 1)], line = data.subarray(y * (stride + 1) + 1);
    for (let i = 0; i < stride; i++) {
      const a = i >= n ? rows[y * stride + i - n] : 0, b = y ? rows[(y - 1) * stride + i] : 0;
      const c = i >= n && y ? rows[(y - 1) * stride + i - n] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predicted = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      rows[y * stride + i] = line[i] + predicted;
    }
    for (let x = 0; x < width; x++) {
      const i = y * stride + x * n;
      rgb[y * width + x] = (rows[i] << 16) | (rows[i + 1] << 8) | rows[i + 2];
    }
  }
  return {width, height, rgb, at: (x, y) => rgb[y * width + x]};
}

const engines = {chromium, firefox, webkit};

// download() is to be asked for before the key that starts the download, as with playwright.
async function launch(engine, options) {
  if (!engines[engine]) throw new Error("no engine " + engine);
  if (options.touch && engine !== "chromium") throw new Error("touch is Chromium's alone");
  return engines[engine]({width: 900, height: 700, ratio: 1, locale: "en-US", touch: false,
                          ...options});
}

function freePort() {
  return new Promise((resolve) => {
    const s = net.createServer().listen(0, "127.0.0.1", () => {
      const {port} = s.address();
      s.close(() => resolve(port));
    });
  });
}

// The page's folder served on 127.0.0.1 by Python, which logs each request: `fetched` counts
// them by file. Nothing may be kept by the browser's own cache, so that every second download
// is counted, unless `cached` (as a plain host lets a browser keep what it serves). Served again
// on the same port, the page keeps its origin (and its offline copy). It goes with the script,
// as the sessions' children do, even when the script dies before stopping it.
const serving = `
import functools, http.server, sys
class Handler(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        if sys.argv[3] == "no-store":
            self.send_header("Cache-Control", "no-store")
        super().end_headers()
http.server.test(HandlerClass=functools.partial(Handler, directory=sys.argv[2]),
                 port=int(sys.argv[1]), bind="127.0.0.1")`;
async function serve(dir, port = null, {cached = false} = {}) {
  port = port || await freePort();
  const server = own(spawn("/usr/bin/python3", ["-u", "-c", serving, String(port), dir,
                                                cached ? "cached" : "no-store"],
                           {stdio: ["ignore", "ignore", "pipe"]}));
  const fetched = {};
  server.stderr.on("data", (data) => {
    for (const [, file] of String(data).matchAll(/"GET \/([^ ?"]*)[^"]*" 200/g))
      fetched[file] = (fetched[file] || 0) + 1;
  });
  const url = `http://127.0.0.1:${port}/`;
  await until("the server", () => fetch(url).then((r) => r.ok, () => false));
  return {url, fetched, dir, port,
          stop: () => stop(server)};
}

module.exports = {launch, engines: Object.keys(engines), until, comes, started, pixels, serve,
                  privateDisplay, own, stop, xdotoolOn, chromiumFlags};
