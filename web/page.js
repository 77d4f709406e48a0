// The page around the toy: its own few lines in the toy's languages, the download with its
// progress, the fit to the screen, and the calls the program makes into it.
"use strict";
// Filled in by scripts/web: the page's lines of every catalogue, the program's size before
// compression, the toy's version (its offline cache's name).
const catalogues = /*@PAGE_TEXTS@*/ {};
const programBytes = /*@PROGRAM_BYTES@*/ 0;
const cacheName = "scribblewick-@VERSION@";
const $ = (id) => document.getElementById(id);
const canvas = $("qtcanvas");
let loader;

// The language as the toy chooses it: the first of the browser's it speaks, English before
// any other stopping the search; Portugal reads Brazil's Portuguese, Hong Kong and Macao
// Taiwan's Chinese, Singapore mainland China's.
const readers = {pt: "pt_BR", zh: "zh_CN", zh_Hans: "zh_CN", zh_Hant: "zh_TW", zh_HK: "zh_TW",
                 zh_MO: "zh_TW"};
function chooseLanguage(wanted) {
  for (const tag of wanted) {
    if (tag === "C" || tag.startsWith("en")) return "";
    for (let language = tag.replace(/-/g, "_"); language;) {
      language = readers[language] || language;
      if (catalogues[language]) return language;
      language = language.includes("_") ? language.slice(0, language.lastIndexOf("_")) : "";
    }
  }
  return "";
}
let language = chooseLanguage(navigator.languages || [navigator.language || ""]);

// lupdate finds the page's lines by this call; scripts/web takes them from the catalogues.
function qsTranslate(context, text) {
  return (catalogues[language] || {})[text] || text;
}
const rightToLeft = () => (catalogues[language] || {}).QT_LAYOUT_DIRECTION === "RTL";

function speak() {
  document.documentElement.lang = language ? language.replace("_", "-") : "en";
  document.documentElement.dir = rightToLeft() ? "rtl" : "ltr";
  $("state").textContent = qsTranslate("WebPage", "Loading Scribblewick…");
  $("ended-line").textContent = qsTranslate("WebPage", "Scribblewick has ended.");
  $("again").textContent = qsTranslate("WebPage", "Play again");
  $("retry").textContent = qsTranslate("WebPage", "Try again");
}

function focusToy() {
  const inner = canvas.querySelector("canvas");
  if (inner && !$("toy").hidden) inner.focus({preventScroll: true});
}

function say(text) {
  $("loading").hidden = true;
  $("toy").hidden = true;
  $("message").textContent = text;
  $("failed").hidden = false;
  keep(false);
}

// Centring may put the canvas between device pixels, which would blur every line: nudge it onto
// the pixel grid.
function align() {
  const toy = $("toy");
  toy.style.left = toy.style.top = "0px";
  const inner = canvas.querySelector("canvas") || canvas;
  const r = inner.getBoundingClientRect();
  const snap = (v) => Math.round(v * devicePixelRatio) / devicePixelRatio - v;
  toy.style.left = snap(r.left) + "px";
  toy.style.top = snap(r.top) + "px";
}

// The whole toy in view: where the browser zooms the page (phones and tablets), the page is
// laid out wide enough for the toy in both directions of the screen, so the browser zooms it
// out as far as needed, and never in (the toy would blur); the toy draws at the pixels that
// zoom leaves it. A desktop browser lays the page out at its window's size whatever it is told:
// there the toy itself is shown smaller (Qt lays it out at its size and the canvas is scaled
// down), never larger.
let toySize = null;
let zoom = 1;
function fitToScreen() {
  if (!toySize) return;
  const viewport = document.querySelector('meta[name="viewport"]');
  const page = document.querySelector("main");
  const extra = {width: page.offsetWidth - canvas.offsetWidth,
                 height: page.offsetHeight - canvas.offsetHeight};
  const unzoomed = {width: toySize.width + extra.width, height: toySize.height + extra.height};
  // The screen's shape, the same at any zoom.
  const vv = window.visualViewport;
  const shape = vv ? vv.height / vv.width : innerHeight / innerWidth;
  const needed = Math.ceil(Math.max(unzoomed.width, unzoomed.height / shape));
  const screenWidth = vv ? vv.width * vv.scale : innerWidth;
  const scale = Math.floor(screenWidth / needed * 1000) / 1000;
  const content = scale >= 1 ? "width=device-width, initial-scale=1" :
    "width=" + needed + ", initial-scale=" + scale + ", minimum-scale=" + scale + ", maximum-scale=1";
  if (viewport.content !== content) viewport.content = content;
  const laidOut = document.documentElement;
  const fits = Math.min(1, (laidOut.clientWidth - extra.width) / toySize.width,
                        (laidOut.clientHeight - extra.height) / toySize.height);
  zoom = laidOut.clientWidth >= needed ? 1 : Math.max(0.1, Math.floor(fits * 1000) / 1000);
  canvas.style.width = toySize.width * zoom + "px";
  canvas.style.height = toySize.height * zoom + "px";
  if (zoom < 1) canvas.dataset.zoom = zoom;
  else delete canvas.dataset.zoom;
}

// Once a viewport change has settled: the page laid out anew, the toy repainted at the new
// pixels (the browser may have cleared the canvas).
let refitTimer = 0;
function refit() {
  clearTimeout(refitTimer);
  refitTimer = setTimeout(() => {
    fitToScreen();
    align();
    if (loader && loader.module()) {
      loader.resizeCanvasElement(canvas);
      loader.module().scribblewickRepaint();
    }
  }, 50);
}
addEventListener("resize", refit);
addEventListener("orientationchange", refit);
if (window.visualViewport) visualViewport.addEventListener("resize", refit);

// A drawing is kept from a close, a reload or a swipe back by mistake: the browser asks first.
function guard(event) {
  event.preventDefault();
  event.returnValue = "";
}
function keep(drawn) {
  if (drawn) addEventListener("beforeunload", guard);
  else removeEventListener("beforeunload", guard);
}

// The calls the program makes into its page.
window.scribblewick = {
  // The canvas takes the main window's size; the page fits it to the screen.
  fit(width, height) {
    toySize = {width, height};
    fitToScreen();
    keepKeys();
    // Told once the program's start is over: the loader has its module only then.
    setTimeout(() => {
      align();
      if (loader.module()) loader.resizeCanvasElement(canvas);
      focusToy();
    });
  },
  language(chosen) {
    language = chosen;
    speak();
  },
  firstFrame() {
    performance.mark("scribblewick-first-frame");
    console.log("scribblewick: first frame at " + Math.round(performance.now()) + " ms");
    offline();
  },
  drawn: keep,
  // A text box of the toy at x, y (the toy's pixels) takes the keyboard: a browser text field
  // over it brings the system's on-screen keyboard, and what it holds goes back to the toy.
  typeInto(x, y, width, height, text, cursor) {
    let field = $("typing");
    if (!field) {
      field = document.createElement("input");
      field.id = "typing";
      field.type = "text";
      field.autocomplete = "off";
      field.setAttribute("aria-hidden", "true");
      field.addEventListener("input", () => loader.module().scribblewickTyped(
        field.value, field.selectionStart === null ? field.value.length : field.selectionStart));
      $("toy").appendChild(field);
    }
    Object.assign(field.style, {left: x * zoom + "px", top: y * zoom + "px",
                                width: width * zoom + "px", height: height * zoom + "px"});
    field.value = text;
    field.setSelectionRange(cursor, cursor);
    field.focus({preventScroll: true});
  },
  stopTyping() {
    const field = $("typing");
    if (!field) return;
    const had = document.activeElement === field;
    field.remove();
    if (had) focusToy();
  },
  ended() {
    keep(false);
    $("toy").hidden = true;
    $("ended").hidden = false;
    $("again").focus();
  },
  // The picture alone in a hidden frame, at its place on an A4 page (millimetres from the
  // paper's corner); "" or why not.
  print(png, landscape, x, y, width, height) {
    try {
      const old = $("scribblewick-print");
      if (old) old.remove();
      const frame = document.createElement("iframe");
      frame.id = "scribblewick-print";
      frame.setAttribute("aria-hidden", "true");
      frame.style.cssText = "position:fixed;right:0;bottom:0;width:0;height:0;border:0;";
      document.body.appendChild(frame);
      const page = frame.contentDocument;
      if (!page || !frame.contentWindow.print) return "the browser has no print dialog";
      const mm = (v) => v.toFixed(3) + "mm";
      page.open();
      page.write("<!doctype html><title>Scribblewick!</title><style>@page{size:A4 " +
                 (landscape ? "landscape" : "portrait") + ";margin:0}html,body{margin:0}" +
                 "</style>");
      page.close();
      const img = page.createElement("img");
      img.style.cssText = "position:absolute;left:" + mm(x) + ";top:" + mm(y) + ";width:" +
                          mm(width) + ";height:" + mm(height);
      img.onload = () => {
        frame.contentWindow.print();
        frame.dataset.printed = "true";
        focusToy(); // the keys go on drawing
      };
      img.src = URL.createObjectURL(new Blob([png.slice()], {type: "image/png"}));
      page.body.appendChild(img);
      return "";
    } catch (error) {
      return String(error.message || error);
    }
  },
  // The browser answers later; a refusal goes back to the program.
  copy(png, refused) {
    if (!navigator.clipboard || !navigator.clipboard.write || !window.ClipboardItem) {
      Promise.resolve().then(() => refused("this browser lets no page put a picture there"));
      return;
    }
    const item = new ClipboardItem({"image/png": new Blob([png.slice()], {type: "image/png"})});
    navigator.clipboard.write([item]).catch((error) => refused(error.message || String(error)));
  },
};

function webGL() {
  const probe = document.createElement("canvas");
  return !!(probe.getContext("webgl2") || probe.getContext("webgl"));
}

const megabytes = (bytes) => new Intl.NumberFormat(document.documentElement.lang,
                                                   {maximumFractionDigits: 1}).format(bytes / 1e6);

// The download of the program: counted for the progress bar from its first byte, its size
// said, kept for offline starts as it arrives (the service worker then has it and downloads it
// no second time), and a broken one told as such. The browser compiles the response as it
// comes; the counting and the keeping read copies of it, so that no byte of it passes through
// this script on its way to the compiler.
let brokenDownload = null;
const plainFetch = window.fetch.bind(window);
window.fetch = (resource, options) => plainFetch(resource, options).then((response) => {
  if (!String(resource).endsWith(".wasm") || !response.ok || !response.body) return response;
  const compressed = response.headers.get("Content-Encoding");
  const sent = Number(response.headers.get("Content-Length")) || 0;
  $("size").textContent = qsTranslate("WebPage", "The first visit downloads %1 MB; after that Scribblewick starts at once, even offline.")
    .replace("%1", megabytes(compressed && sent ? sent : programBytes));
  // From the worker's copy it comes at once.
  if (controlled()) return languageReady.then(() => response);
  keptForOffline = keepOffline(resource, response);
  const reader = response.clone().body.getReader();
  let done = 0;
  const count = () => reader.read().then((part) => {
    if (part.done) return;
    done += part.value.byteLength;
    $("progress").value = Math.min(done / programBytes, 1);
    return count();
  }, (error) => { brokenDownload = error; });
  counted = count();
  // The program reads its words as it starts: they are small and were asked for first.
  return languageReady.then(() => response);
});
let keptForOffline = Promise.resolve();
let counted = Promise.resolve();
const controlled = () => !!(navigator.serviceWorker && navigator.serviceWorker.controller);
// A copy for offline starts, taken at once (the response is being read). A page served over
// plain HTTP by a school's server has no cache to keep it in, and starts all the same.
function keepOffline(file, response) {
  if (!window.caches) return Promise.resolve();
  const kept = response.clone();
  return caches.open(cacheName).then((c) => c.put(file, kept)).catch(() => {});
}

// The words (and face) of the chosen language, a file of their own: a child downloads one
// language, not all of them. Kept for offline starts as the program is; without it, the toy
// speaks English.
let languageReady = Promise.resolve();
let languageKept = Promise.resolve();
function fetchLanguage() {
  if (!language) return;
  const file = "languages/" + language + ".rcc";
  languageReady = plainFetch(file).then((response) => {
    if (!response.ok) return;
    if (!controlled()) languageKept = keepOffline(file, response);
    return response.arrayBuffer().then((bytes) => {
      window.scribblewick.languageFile = new Uint8Array(bytes);
    });
  }).catch(() => {});
}

// Offline starts: the worker keeps every file, once the toy is up and what it downloaded kept.
function offline() {
  if (!("serviceWorker" in navigator)) return;
  Promise.all([keptForOffline, languageKept])
    .then(() => navigator.serviceWorker.register("sw.js")).catch(() => {});
}

// Told once the count has seen how the download ended: a broken one fails the compiler too,
// in words that do not say so.
function failed(error) {
  counted.then(() => {
    const text = String(error || "");
    const status = text.match(/^(\d{3}) /);
    if (brokenDownload || status || /fetch|network/i.test(text))
      return say(qsTranslate("WebPage", "Scribblewick could not be downloaded (%1). Check the connection, then try again.")
        .replace("%1", status ? status[1] : qsTranslate("WebPage", "the connection broke off")));
    say(qsTranslate("WebPage", "Scribblewick could not start (%1).").replace("%1", text || "?"));
  });
}

function start() {
  if (typeof WebAssembly !== "object")
    return say(qsTranslate("WebPage", "This browser cannot run Scribblewick: it has no WebAssembly. A newer browser can."));
  if (!webGL())
    return say(qsTranslate("WebPage", "Scribblewick cannot draw in this browser: WebGL is turned off, or the graphics driver is blocked."));
  $("loading").hidden = false;
  fetchLanguage();
  loader = QtLoader({
    canvasElements: [canvas],
    showLoader(state) {
      $("state").textContent = state === "Compiling" ? qsTranslate("WebPage", "Starting…") :
                                                       qsTranslate("WebPage", "Loading Scribblewick…");
    },
    showError: failed,
    showExit() {
      say(qsTranslate("WebPage", "Scribblewick stopped unexpectedly (%1).")
        .replace("%1", loader.exitText || String(loader.exitCode)));
    },
    showCanvas() { $("loading").hidden = true; $("toy").hidden = false; },
  });
  loader.loadEmscriptenModule("scribblewick");
}

// The toy's keys are the toy's while it has the keyboard: the browser keeps none of its own uses
// of them (save, print, help, reload, menus, close). Copy and paste stay the browser's, as Qt
// takes the clipboard through them; its zoom (Ctrl with plus, minus or 0), F11 and F12 are the
// person's. Added once the program has added its own, so that Qt sees each key first as it is.
function keepKeys() {
  addEventListener("keydown", (e) => {
    if (!$("toy").contains(document.activeElement)) return;
    const modified = (e.ctrlKey || e.altKey || e.metaKey) && !/^(Control|Alt|Meta|Shift)$/.test(e.key);
    const clipboard = (e.ctrlKey || e.metaKey) && !e.altKey && /^[cv]$/i.test(e.key);
    const browserZoom = (e.ctrlKey || e.metaKey) && !e.altKey && /^[-+=0]$/.test(e.key);
    if (/^F([1-9]|10)$/.test(e.key) || (modified && !clipboard && !browserZoom)) e.preventDefault();
  });
}

// The last finger lifted: every knob lets go (the program does not hear of a finger lifted
// outside its windows).
for (const type of ["touchend", "touchcancel"])
  canvas.addEventListener(type, (e) => {
    if (e.touches.length === 0 && loader && loader.module()) loader.module().scribblewickFingersUp();
  }, true);

// Back to the page (from the download panel, another tab, the print dialog): the keys draw.
addEventListener("focus", () => setTimeout(focusToy));

// Qt asks for the clipboard's permission at start; a browser that has no such permission
// (WebKit) answers with a rejection nobody waits for.
if (navigator.permissions && navigator.permissions.query) {
  const query = navigator.permissions.query.bind(navigator.permissions);
  navigator.permissions.query = (descriptor) => {
    const answer = query(descriptor);
    answer.catch(() => {});
    return answer;
  };
}

// Written into the page's <noscript> by scripts/web, in every language.
qsTranslate("WebPage", "Scribblewick needs JavaScript, which this browser has turned off.");

$("again").addEventListener("click", () => location.reload());
$("retry").addEventListener("click", () => location.reload());
window.addEventListener("error", (event) => {
  if (String(event.message).match(/qtloader|createQtAppInstance/)) failed(event.message);
});
speak();
