// The toy's page in Debian's Chromium, driven by playwright-core: served on 127.0.0.1 by this
// test, one browser session per language, the English one checking the toy through and through.
// Usage: node test_web.js WEB-DIR ASSETS-DIR WORK-DIR
"use strict";
const {chromium} = require("playwright-core");
const {until, comes, started, serve, privateDisplay, own, stop, xdotoolOn, chromiumFlags} =
  require("./engines");
const {spawn} = require("child_process");
const fs = require("fs");
const path = require("path");
const readline = require("readline");

const [webDir, assetsDir, workDir] = process.argv.slice(2);
const White = 0xffffff;
const px = (twips) => Math.floor((twips + 7) / 15); // as the desktop tests convert
const canvasInner = {x: 50, y: 50}; // inside the canvas's border, in the client area
const clientHeight = 439;
let failures = 0;

function check(ok, what) {
  console.log((ok ? "ok   " : "FAIL ") + what);
  if (!ok) failures++;
}


// The canvas as the screen shows it, decoded in the page: pixels at device-pixel points.
async function shoot(page) {
  const png = await page.locator("#qtcanvas canvas").screenshot();
  return {png, rgb: await page.evaluate(decodeInPage, png.toString("base64"))};
}
async function decodeInPage(base64) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  const bitmap = await createImageBitmap(new Blob([bytes]));
  const c = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
  c.drawImage(bitmap, 0, 0);
  const d = c.getImageData(0, 0, bitmap.width, bitmap.height).data;
  const rgb = [];
  for (let i = 0; i < d.length; i += 4) rgb.push((d[i] << 16) | (d[i + 1] << 8) | d[i + 2]);
  return {width: bitmap.width, height: bitmap.height, rgb};
}
const at = (shot, x, y) => shot.rgb.rgb[y * shot.rgb.width + x];
// How many of the canvas's pixels are the pen's white and the frame's red, counted in the page.
// The box the white pixels span is measured inside `inner` (canvas pixels: the drawing area).
// `near`: colours near them count too, for a toy the browser shows scaled down.
async function colours(page, inner = {x0: 0, y0: 0, x1: 599, y1: 10000}, near = false) {
  const png = await page.locator("#qtcanvas canvas").screenshot();
  return page.evaluate(async ([base64, inner, near]) => {
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes]));
    const c = new OffscreenCanvas(bitmap.width, bitmap.height).getContext("2d");
    c.drawImage(bitmap, 0, 0);
    const d = c.getImageData(0, 0, bitmap.width, bitmap.height).data;
    const ratio = bitmap.width / 599;
    const [high, low] = near ? [150, 90] : [255, 0];
    let white = 0, red = 0, redInside = 0, left = Infinity, right = -1, top = Infinity, bottom = -1;
    for (let i = 0; i < d.length; i += 4) {
      const x = (i / 4) % bitmap.width / ratio, y = Math.floor(i / 4 / bitmap.width) / ratio;
      const inside = x >= inner.x0 && x < inner.x1 && y >= inner.y0 && y < inner.y1;
      if (d[i] >= high && d[i + 1] >= high && d[i + 2] >= high) {
        white++;
        if (!inside) continue;
        left = Math.min(left, x); right = Math.max(right, x);
        top = Math.min(top, y); bottom = Math.max(bottom, y);
      }
      if (d[i] >= high && d[i + 1] <= low && d[i + 2] <= low) {
        red++;
        if (inside) redInside++;
      }
    }
    return {white, red, redInside, all: d.length / 4, width: right - left, height: bottom - top,
            top};
  }, [png.toString("base64"), inner, near]);
}


async function launch(name, options) {
  const profile = path.join(workDir, "profile-" + name);
  fs.rmSync(profile, {recursive: true, force: true});
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium", headless: true, args: chromiumFlags, acceptDownloads: true,
    ...options});
  const page = context.pages()[0] || await context.newPage();
  page.on("console", (m) => { if (m.type() === "error") console.log("  page: " + m.text()); });
  return {context, page};
}

// The client area's origin on the canvas: under the menu bar, which is the rest.
async function clientTop(page) {
  const box = await page.locator("#qtcanvas canvas").boundingBox();
  return Math.round(box.height) - clientHeight;
}

async function drawsAndSaves(page, server) {
  const top = await clientTop(page);
  const point = (x, y) => [canvasInner.x + x, top + canvasInner.y + y];
  const row = px(2288);
  let shot = await shoot(page);

  // The frame's top rows are the background picture's, to the pixel.
  const background = await page.evaluate(decodeInPage,
    fs.readFileSync(path.join(assetsDir, "background.bmp")).toString("base64"));
  let differing = 0;
  for (let y = 0; y < 10; y++)
    for (let x = 0; x < 599; x++)
      if (at(shot, x, top + y) !== background.rgb[y * background.width + x]) differing++;
  check(differing === 0, `the frame's top rows are the background picture (${differing} differ)`);

  // Five "d", typed at once as a child does: white from the start five steps right, nothing
  // beyond; a knob click one more.
  await page.keyboard.type("ddddd", {delay: 30});
  await until("the line", async () => at(shot = await shoot(page), ...point(px(4038), row)) === White);
  let line = true;
  for (let x = px(3788); x <= px(4038); x++) line = line && at(shot, ...point(x, row)) === White;
  check(line && at(shot, ...point(px(3788) - 1, row)) !== White &&
        at(shot, ...point(px(4038) + 1, row)) !== White, "five d draw five steps right");
  const box = await page.locator("#qtcanvas canvas").boundingBox();
  const knob = {x: box.x + 80 + 16, y: box.y + top + 364 + 32}; // the left knob's right half
  await page.mouse.click(knob.x, knob.y);
  await until("the knob's step", async () => at(shot = await shoot(page), ...point(px(4088), row)) === White);
  check(at(shot, ...point(px(4088) + 1, row)) !== White, "a click on a knob half draws one step");

  // A menu entry picked with the mouse, a menu closed with Esc, a window closed with its
  // button or Enter: each time the next keys draw again, with no click on the screen between.
  const screenArea = {x: canvasInner.x - 2, y: top + canvasInner.y - 2, w: 500, h: 300};
  const whites = (s) => {
    let n = 0;
    for (let y = screenArea.y; y < screenArea.y + screenArea.h; y++)
      for (let x = screenArea.x; x < screenArea.x + screenArea.w; x++) if (at(s, x, y) === White) n++;
    return n;
  };
  const drawsOn = async (what, keys) => {
    const before = whites(await shoot(page));
    await page.keyboard.type(keys, {delay: 30});
    // Five steps are 17 pixels; four of them are more than any stray pixel.
    check(await comes(what, async () => whites(await shoot(page)) >= before + px(200)),
          `after ${what} the keys draw`);
  };
  await page.mouse.click(box.x + 160, box.y + 9); // Background Color
  await page.mouse.click(box.x + 160, box.y + 52); // its Gray
  check(await comes("the gray screen", async () => at(await shoot(page), ...point(300, 150)) === 0x808080),
        "Background Color > Gray picked with the mouse greys the screen");
  await drawsOn("a menu entry picked with the mouse", "xxxxx");
  await page.mouse.click(box.x + 15, box.y + 9); // File
  await page.keyboard.press("Escape");
  await drawsOn("a menu closed with Esc", "aaaaa");
  for (const [key, what, close] of [["F1", "the How-to window", "Enter"], ["F2", "the About window", "Enter"]]) {
    const before = (await shoot(page)).rgb.rgb;
    await page.keyboard.press(key);
    check(await comes(what, async () => {
      const now = (await shoot(page)).rgb.rgb;
      return now.filter((v, i) => v !== before[i]).length > 5000;
    }), `${key} opens ${what}`);
    if (key === "F1") await page.screenshot({path: path.join(workDir, "web-windows.png")});
    await page.keyboard.press(close);
    await drawsOn(`${what} closed`, key === "F1" ? "wwwww" : "ddddd");
  }

  // The name dialog signs the drawing: the signature line was empty red.
  const label = {x: 16, y: top + 16, w: 560, h: 16};
  const inked = (s) => {
    let n = 0;
    for (let y = label.y; y < label.y + label.h; y++)
      for (let x = label.x; x < label.x + label.w; x++) if (at(s, x, y) !== 0xff0000) n++;
    return n;
  };
  const unsigned = inked(await shoot(page));
  // Alt+M opens "More Fun", Return chooses its one entry; the dialog lies where it lies over the
  // toy on the desktop (client 116, 166), its OK button at 264, 12.
  await page.keyboard.press("Alt+m");
  await page.keyboard.press("Enter");
  await page.keyboard.type("Ada", {delay: 30});
  await page.mouse.click(box.x + 116 + 264, box.y + top + 166 + 12);
  check(await comes("the signature", async () => inked(await shoot(page)) > unsigned + 50),
        "the name dialog signs the drawing");
  await page.screenshot({path: path.join(workDir, "web-signed.png")});
  await drawsOn("the name dialog's OK", "wwwww");

  // A knob half held down goes on turning.
  const heldFrom = (await colours(page)).white;
  await page.mouse.move(knob.x, knob.y);
  await page.mouse.down();
  check(await comes("the held knob", async () => (await colours(page)).white > heldFrom + 3 * px(250)),
        "a knob half held down goes on turning");
  await page.mouse.up();

  // With a drawing on the screen, closing the page is asked about first (and here refused);
  // after a Shake nothing is, and the reload below goes through unasked.
  const asked = [];
  page.on("dialog", (dialog) => {
    asked.push(dialog.type());
    dialog.dismiss().catch(() => {});
  });
  await page.close({runBeforeUnload: true});
  check(await comes("the leave-page question", () => asked.includes("beforeunload"), 5000) &&
        !page.isClosed(), "closing the page with a drawing asks first");

  // The toy's shortcuts reach the toy, not the browser.
  await page.evaluate(() => {
    window.seenKeys = {};
    addEventListener("keydown", (e) => {
      if (!["Control", "Alt", "Shift"].includes(e.key) && (e.ctrlKey || e.altKey || /^F\d/.test(e.key)))
        window.seenKeys[(e.ctrlKey ? "Ctrl+" : e.altKey ? "Alt+" : "") + e.key] = e.defaultPrevented;
    });
  });
  const downloaded = page.waitForEvent("download");
  await page.keyboard.press("Control+s");
  const download = await downloaded;
  const saved = fs.readFileSync(await download.path());
  check(download.suggestedFilename() === "Scribblewick.BMP",
        `Ctrl+S downloads ${download.suggestedFilename()}`);
  const width = saved.readInt32LE(18), height = saved.readInt32LE(22);
  const bits = saved.readUInt16LE(28), offset = saved.readUInt32LE(10);
  shot = await shoot(page);
  differing = 0;
  const stride = Math.ceil(width * 3 / 4) * 4;
  for (let y = 0; y < height && bits === 24; y++)
    for (let x = 0; x < width; x++) {
      const i = offset + (height - 1 - y) * stride + x * 3;
      if (((saved[i + 2] << 16) | (saved[i + 1] << 8) | saved[i]) !== at(shot, x, top + y))
        differing++;
    }
  check(saved.toString("latin1", 0, 2) === "BM" && width === 599 && height === clientHeight &&
        bits === 24 && differing === 0,
        `the BMP (${width} x ${height}, ${bits} bits) is the picture on the canvas (${differing} differ)`);
  const copied = await until("the clipboard", () => page.evaluate(async () => {
    const items = await navigator.clipboard.read();
    if (!items.length || !items[0].types.includes("image/png")) return null;
    const b = await createImageBitmap(await items[0].getType("image/png"));
    return b.width + "x" + b.height;
  }).catch(() => null));
  check(copied === "599x439", "the picture is on the clipboard as PNG");

  await page.keyboard.press("Control+p");
  const printed = await until("the print frame", () => page.evaluate(() => {
    const frame = document.getElementById("scribblewick-print");
    const img = frame && frame.contentDocument.querySelector("img");
    // Printed, and the keys back with the toy: keys sent sooner would go to the frame.
    return img && frame.dataset.printed && img.naturalWidth > 0 &&
      {natural: img.naturalWidth + "x" + img.naturalHeight, width: parseFloat(img.style.width),
       height: parseFloat(img.style.height), left: img.style.left, top: img.style.top,
       page: frame.contentDocument.querySelector("style").textContent.match(/size:([^;]*)/)[1]};
  }));
  // 599 x 439 on landscape A4 within 10 mm margins (277 x 190 mm): as high as the printable
  // area, at its top-left corner.
  check(printed.natural === "599x439" && printed.page === "A4 landscape" &&
        Math.abs(printed.height - 190) < 0.01 && Math.abs(printed.width - 190 * 599 / 439) < 0.05 &&
        parseFloat(printed.left) === 10 && parseFloat(printed.top) === 10,
        "Ctrl+P prints the picture alone, fitted as on the desktop: " + JSON.stringify(printed));

  // Keys the browser has its own use for (save, print, reload, close, menus) are the toy's.
  for (const key of ["F4", "F5", "F7", "Control+r", "Control+w", "Alt+f", "Escape"])
    await page.keyboard.press(key);
  // On a busy machine the last keys may still be on their way.
  let seen = {};
  await until("the keys", async () =>
    Object.keys(seen = await page.evaluate(() => window.seenKeys)).length >= 8, 10000).catch(() => {});
  const passed = Object.entries(seen).filter(([, prevented]) => !prevented).map(([k]) => k);
  check(Object.keys(seen).length === 8 && passed.length === 0,
        "the toy's shortcuts are kept from the browser (seen: " + Object.keys(seen).join(" ") +
        "; passed on: " + passed.join(" ") + ")");

  await page.keyboard.press("F4");
  await until("the shaken screen", async () => whites(await shoot(page)) === 0);

  // Offline: the service worker keeps the page, the program it holds being the one the page
  // downloaded; the server goes, a reload still starts it.
  await until("the service worker", () => page.evaluate(
    () => navigator.serviceWorker.controller !== null ||
          navigator.serviceWorker.ready.then(() => caches.keys()).then((k) => k.length > 0)));
  check(server.fetched["scribblewick.wasm"] === 1,
        `the first visit fetches the program once (${server.fetched["scribblewick.wasm"]} times)`);
  await server.stop();
  asked.length = 0;
  await page.reload();
  check(await comes("the first frame offline", () => page.evaluate(
          () => performance.getEntriesByName("scribblewick-first-frame").length > 0), 60000),
        "with the server gone a reload starts the toy");
  check(asked.length === 0, "an empty screen is left unasked");

  // Exit ends it in the page; "Play again" starts it afresh.
  await page.keyboard.press("Control+x");
  await page.locator("#ended").waitFor({state: "visible"});
  await page.click("#again");
  await started(page);
  check(await page.locator("#qtcanvas canvas").isVisible(), "Ctrl+X ends the toy, Play again starts it");
}

// A finger on a phone or tablet: a tap on a knob half steps, a finger held turns it on until it
// slides off; turned and shrunk, the screen shows the whole toy, drawing kept, and no more.
const ratioOf = (shot) => shot.rgb.width / 599;
async function byTouch(page, context, name, sizes, tablet) {
  const cdp = await context.newCDPSession(page);
  // Each finger a new identifier, as browsers give them.
  let finger = 10;
  const touch = (type, x, y) => {
    if (type === "touchStart") finger++;
    return cdp.send("Input.dispatchTouchEvent",
                    {type, touchPoints: type === "touchEnd" ? [] : [{x, y, id: finger}]});
  };
  const box = await page.locator("#qtcanvas canvas").boundingBox();
  const knob = {x: box.x + 80 + 16, y: box.y + (await clientTop(page)) + 364 + 32};
  const start = (await colours(page)).white;
  await touch("touchStart", knob.x, knob.y);
  await touch("touchEnd");
  let tapped = 0;
  check(await comes("a tapped step", async () => (tapped = (await colours(page)).white) > start),
        `${name}: a tap on a knob half draws a step`);
  await touch("touchStart", knob.x, knob.y);
  check(await comes("the held knob", async () =>
          (await colours(page)).white > tapped + 3 * (tapped - start)),
        `${name}: a finger held on a knob half goes on turning`);
  await touch("touchMove", knob.x, knob.y - 60); // onto the red frame above
  const still = await until("the knob to let go", async () => {
    const before = (await colours(page)).white;
    await new Promise((r) => setTimeout(r, 300));
    return before === (await colours(page)).white && before;
  }, 10000).catch(() => 0);
  await new Promise((r) => setTimeout(r, 500));
  check(still > 0 && (await colours(page)).white === still,
        `${name}: a finger sliding off the knob half stops it`);
  await touch("touchEnd");

  // The knob halves answer in zones a finger's size at a tablet's, out into the red frame: 6
  // pixels above the up knob; and two fingers on two knobs turn both.
  const top = box.y + (await clientTop(page));
  if (tablet) {
    const beforeZone = (await colours(page)).white;
    await touch("touchStart", box.x + 520, top + 358);
    await touch("touchEnd");
    check(await comes("a step from the frame", async () => (await colours(page)).white > beforeZone),
          `${name}: a tap on the frame above a knob half turns it`);
  }
  // Inside the border, whose lower lines are white.
  const screenArea = {x0: 51, y0: top - box.y + 51, x1: 550, y1: top - box.y + 350};
  const spread = await colours(page, screenArea);
  // The second finger on the down knob's lower half, where the pen has room below.
  await cdp.send("Input.dispatchTouchEvent", {type: "touchStart", touchPoints: [
    {x: knob.x, y: knob.y, id: 1}, {x: box.x + 520, y: top + 412, id: 2}]});
  finger = 2;
  let now = spread;
  check(await comes("two knobs turning", async () => {
    now = await colours(page, screenArea);
    return now.width > spread.width + 5 && now.height > spread.height + 5;
  }), `${name}: two fingers on two knobs turn both (the drawing from ${spread.width} x ` +
      `${spread.height} to ${now.width} x ${now.height})`);
  // The finger on the down knob lifts (a touchEnd naming it lifts it alone); the other goes on
  // turning its knob: what is drawn next is a line along a row.
  await cdp.send("Input.dispatchTouchEvent", {type: "touchEnd", touchPoints: [
    {x: box.x + 520, y: top + 412, id: 2}]});
  let drawn = null;
  check(await comes("one knob turning", async () => {
    const a = await shoot(page);
    await new Promise((r) => setTimeout(r, 300));
    const b = await shoot(page);
    drawn = {x0: Infinity, x1: -1, y0: Infinity, y1: -1};
    const r = ratioOf(b);
    for (let y = Math.round(screenArea.y0 * r); y < screenArea.y1 * r; y++)
      for (let x = Math.round(screenArea.x0 * r); x < screenArea.x1 * r; x++)
        if (at(b, x, y) === White && at(a, x, y) !== White)
          drawn = {x0: Math.min(drawn.x0, x), x1: Math.max(drawn.x1, x), y0: Math.min(drawn.y0, y),
                   y1: Math.max(drawn.y1, y)};
    return drawn.x1 - drawn.x0 >= 2 * r && drawn.y1 - drawn.y0 < 2 * r;
  }, 10000), `${name}: one of two fingers lifted, the other knob turns on alone (drawn next: ` +
        JSON.stringify(drawn) + ")");
  fs.writeFileSync(path.join(workDir, `web-${name}-two.png`), await page.screenshot());
  await touch("touchEnd");

  // A menu opened by a finger and closed by another tap on its title, then the screen turned
  // and shrunk: the toy repaints whole, the drawing kept.
  const tap = (x, y) => touch("touchStart", box.x + x, box.y + y).then(() => touch("touchEnd"));
  const shown = async () => (await shoot(page)).png;
  const unopened = await shown();
  await tap(160, 9); // Background Color
  await until("the menu", async () => !(await shown()).equals(unopened), 5000).catch(() => {});
  await tap(160, 9);
  await until("the menu closed", async () => (await shown()).equals(unopened), 5000).catch(() => {});
  await resized(page, name, sizes);

  // Menus by a finger: entries a finger high, so the second lies where it does only then.
  await tap(160, 9); // Background Color
  await page.waitForTimeout(300);
  fs.writeFileSync(path.join(workDir, `web-${name}-menu.png`), await page.screenshot());
  await tap(160, 19 + 44 + 22); // the middle of its second entry, Gray
  check(await comes("the gray screen", async () => {
    const shot = await shoot(page);
    return at(shot, Math.round(300 * ratioOf(shot)), Math.round((top - box.y + 150) * ratioOf(shot))) === 0x808080;
  }), `${name}: Background Color > Gray tapped, on entries a finger high`);

  // The name typed with the on-screen keyboard: a browser field takes the keyboard, and what
  // it commits, several letters at once or composed, signs the drawing whole.
  if (tablet) {
    const labelInk = async () => {
      const shot = await shoot(page), r = ratioOf(shot), y0 = Math.round((top - box.y + 16) * r);
      let n = 0;
      for (let y = y0; y < y0 + Math.round(16 * r); y++)
        for (let x = Math.round(16 * r); x < Math.round(576 * r); x++) if (at(shot, x, y) !== 0xff0000) n++;
      return n;
    };
    const sign = async (what, send) => {
      const before = await labelInk();
      await tap(518, 9); // More Fun
      await page.waitForTimeout(300);
      await tap(518, 19 + 22); // Add Your Name
      const field = await comes("the field for the on-screen keyboard", () => page.evaluate(
        () => document.activeElement && document.activeElement.id === "typing"), 5000);
      await send();
      fs.writeFileSync(path.join(workDir, `web-${name}-name.png`), await page.screenshot());
      await tap(116 + 224 + 40, top - box.y + 166 + 22); // OK, a finger high
      let after = before;
      await comes("the signature", async () => (after = await labelInk()) !== before, 5000);
      check(field && after !== before, `${name}: ${what} signs the drawing (${before} -> ${after})`);
      return after;
    };
    const one = await sign("one letter from the on-screen keyboard",
                           () => cdp.send("Input.insertText", {text: "M"}));
    const three = await sign("three letters committed at once",
                             () => cdp.send("Input.insertText", {text: "Mia"}));
    await sign("a letter composed, then committed", async () => {
      await cdp.send("Input.imeSetComposition", {text: "e", selectionStart: 1, selectionEnd: 1});
      await cdp.send("Input.insertText", {text: "é"});
    });
    check(three > one + 20, `${name}: a commit of three letters arrives whole (${one} -> ${three})`);
  }

}

// Each size in turn: the whole toy in the viewport, repainted with its drawing.
async function resized(page, name, sizes) {
  for (const [width, height] of sizes) {
    await page.setViewportSize({width, height});
    const where = () => page.evaluate(() => {
      const r = document.querySelector("#qtcanvas canvas").getBoundingClientRect();
      const v = visualViewport;
      return r.left >= v.offsetLeft - 0.5 && r.top >= v.offsetTop - 0.5 &&
             r.right <= v.offsetLeft + v.width + 0.5 && r.bottom <= v.offsetTop + v.height + 0.5;
    });
    const inside = await comes(`the toy inside ${width} x ${height}`, where, 10000);
    let seen = {};
    // The pen's lines inside the screen's border (in the toy's pixels, at any zoom).
    // The menu bar's height in the toy's pixels, at any zoom.
    const top = async () => {
      const box = await page.locator("#qtcanvas canvas").boundingBox();
      return box.height * 599 / box.width - clientHeight;
    };
    const kept = await comes("the drawing repainted", async () => {
      const y = await top();
      seen = await colours(page, {x0: 53, y0: y + 53, x1: 547, y1: y + 347}, true);
      return seen.width >= 0 && seen.red > seen.all / 5;
    }, 10000);
    // Between the up and the down knob no red of the frame beneath shows through.
    const y = await top();
    const seam = await colours(page, {x0: 496, y0: y + 392, x1: 544, y1: y + 400}, true);
    check(inside && kept && seam.redInside === 0, `${name} at ${width} x ${height}: the whole toy ` +
          `in view, the drawing kept (${seen.white} white, ${seen.red} red of ${seen.all} ` +
          `pixels), ${seam.redInside} red pixels between the knobs`);
    fs.writeFileSync(path.join(workDir, `web-${name}-${width}x${height}.png`), await page.screenshot());
  }
}

// A desktop browser's window smaller than the toy (it ignores the meta viewport): the toy is
// shown smaller, whole, and a click where the knob shows still turns it.
async function smallWindows(page, name) {
  await page.keyboard.type("ddddd", {delay: 30});
  await resized(page, name, [[320, 480], [320, 320], [500, 700]]);
  const box = await page.locator("#qtcanvas canvas").boundingBox();
  const zoom = box.width / 599;
  const before = (await colours(page, undefined, true)).white;
  const top = box.height / zoom - clientHeight;
  await page.mouse.click(box.x + (80 + 16) * zoom, box.y + (top + 364 + 32) * zoom);
  check(zoom < 0.9 && await comes("the knob's step", async () =>
          (await colours(page, undefined, true)).white > before),
        `${name}: shown at ${zoom.toFixed(3)} in a small window, a click on the knob where it ` +
        "shows draws a step");
  await resized(page, name, [[900, 700]]);
  const full = await page.locator("#qtcanvas canvas").boundingBox();
  check(full.width === 599, `${name}: at its size again in a large window (${full.width} wide)`);
}

// Ctrl+W, the white pen, pressed as a person does (X key events through the browser's own
// shortcuts) in headed Chromium: in an installed app's window the toy has it; in a tab the
// browser closes the tab, and a drawing makes it ask first.
// A new version on the server, started once online and then offline: it speaks as the last
// one did, its language kept with it.
async function afterUpdate(page, server, name, menuBar) {
  const next = path.join(workDir, "next-version");
  fs.rmSync(next, {recursive: true, force: true});
  fs.cpSync(webDir, next, {recursive: true});
  const version = /"(scribblewick-[^"]+)"/.exec(fs.readFileSync(path.join(next, "sw.js"), "utf8"))[1];
  for (const file of ["sw.js", "page.js"]) {
    const at = path.join(next, file);
    fs.writeFileSync(at, fs.readFileSync(at, "utf8").replaceAll(`"${version}"`, `"${version}-next"`));
  }
  await page.evaluate(() => navigator.serviceWorker.ready);
  await server.stop();
  Object.assign(server, await serve(next, server.port));
  await page.reload();
  await started(page);
  const updated = await comes("the new version in place", () => page.evaluate((v) => caches.keys()
    .then((k) => k.length === 1 && k[0] === v), `${version}-next`), 30000);
  await server.stop();
  await page.reload();
  await started(page);
  const shot = await shoot(page);
  const rows = shot.rgb.rgb.slice(0, menuBar.length);
  check(updated && rows.length === menuBar.length && rows.every((v, i) => v === menuBar[i]),
        `${name}: after an update the first start offline speaks as before`);
}

async function ctrlW(url) {
  const xvfb = await privateDisplay(1280, 900);
  const env = {...process.env, DISPLAY: xvfb.display};
  const profile = path.join(workDir, "profile-app");
  fs.rmSync(profile, {recursive: true, force: true});
  const browser = own(spawn("/usr/bin/chromium", [...chromiumFlags, "--user-data-dir=" + profile,
    "--remote-debugging-port=0", "--window-size=900,700", "--app=" + url],
    {env, stdio: ["ignore", "ignore", "pipe"]}));
  const xdotool = xdotoolOn(env);
  // Given the keyboard, as the desktop gives a new window it.
  const focus = (window) => xdotool("windowactivate", "--sync", window)
    .catch(() => xdotool("windowfocus", "--sync", window));
  const inked = async (page, colour) => (await shoot(page)).rgb.rgb.filter((v) => v === colour).length;
  // Shown scaled (at a browser zoom), the pen's white comes out near white.
  const nearWhite = async (page) => (await colours(page, undefined, true)).white;
  try {
    const ws = await new Promise((resolve, reject) => {
      readline.createInterface({input: browser.stderr}).on("line", (line) => {
        const m = line.match(/DevTools listening on (ws:\S+)/);
        if (m) resolve(m[1]);
      });
      browser.once("exit", () => reject(new Error("chromium ended")));
    });
    const cdp = await chromium.connectOverCDP(ws);
    const context = cdp.contexts()[0];
    const page = await until("the app's page", () => context.pages().find((p) => p.url() === url));
    await started(page);
    const keys = (...k) => xdotool("key", "--delay", "40", ...k);
    const window = (await xdotool("search", "--sync", "--onlyvisible", "--name", "Scribblewick")).split("\n")[0];
    await focus(window);
    await keys("ctrl+b", ..."ddddd");
    const blue = await comes("the blue line", async () => await inked(page, 0x0000ff) > 10);
    const whiteBefore = await inked(page, White);
    await keys("ctrl+w", ..."ddddd");
    check(blue && await comes("the white line", async () => await inked(page, White) > whiteBefore + 10) &&
          !page.isClosed(), "in an installed app's window Ctrl+W is the white pen, the window kept");

    // A teacher's Ctrl+= zooms the page, as the browser does: the toy refits, drawn at the
    // whole ratio above the zoom's, its drawing kept and the keys drawing on; Ctrl+0 undoes it.
    const canvasAt = () => page.evaluate(() => ({ratio: devicePixelRatio,
      device: document.querySelector("#qtcanvas canvas").width}));
    for (const [key, ratio, device] of [["ctrl+equal", 1.1, 1198], ["ctrl+0", 1, 599]]) {
      await keys(key);
      const zoomed = await comes(`the zoom at ${ratio}`, async () => {
        const now = await canvasAt();
        return Math.abs(now.ratio - ratio) < 0.01 && now.device === device;
      }, 10000);
      const drawn = await nearWhite(page);
      await keys(..."xxx");
      check(zoomed && drawn > 0 && await comes("the keys drawing", async () => await nearWhite(page) > drawn),
            `${key} zooms the page to ${ratio}, the toy drawn at ${device} pixels across, kept, ` +
            `and the keys draw on (${JSON.stringify(await canvasAt())})`);
    }

    // A tab of the same browser, with a drawing: Ctrl+W asks before it goes.
    const tab = await context.newPage();
    const asked = [];
    tab.on("dialog", (dialog) => { asked.push(dialog.type()); dialog.dismiss().catch(() => {}); });
    await tab.goto(url);
    await started(tab);
    const tabWindow = await until("the tab's window", async () => {
      const ids = (await xdotool("search", "--onlyvisible", "--name", "Scribblewick").catch(() => ""))
        .split("\n").filter((w) => w && w !== window);
      return ids[0];
    });
    await focus(tabWindow);
    const undrawn = await inked(tab, White);
    await keys(..."ddddd");
    await until("the drawing in the tab", async () => await inked(tab, White) > undrawn + 10);
    await keys("ctrl+w");
    check(await comes("the leave-page question", () => asked.includes("beforeunload"), 10000) &&
          !tab.isClosed(), "in a tab Ctrl+W with a drawing asks before closing it");
    fs.writeFileSync(path.join(workDir, "web-app-window.png"), await page.screenshot());
    await cdp.close();
  } finally {
    await stop(browser);
    await xvfb.stop();
  }
}

async function main() {
  fs.mkdirSync(workDir, {recursive: true});
  const server = await serve(webDir);
  const desktop = {viewport: {width: 900, height: 700}, deviceScaleFactor: 1};
  const phone = {viewport: {width: 390, height: 844}, deviceScaleFactor: 3, isMobile: true,
                 hasTouch: true};
  const tablet = {viewport: {width: 820, height: 1180}, deviceScaleFactor: 2, isMobile: true,
                  hasTouch: true};
  // Turned sideways, the browser's bars then taking some of the height; back upright.
  const phoneSizes = [[844, 390], [844, 340], [390, 844]];
  const tabletSizes = [[1180, 820], [820, 1180]];
  // Each language's menu bar is compared with the English one of the same screen.
  const sessions = [
    {name: "en", locale: "en-US", screen: desktop, lang: "en", dir: "ltr", everything: true},
    {name: "de", locale: "de-DE", screen: desktop, lang: "de", dir: "ltr", unlike: "en",
     refusedClipboard: true, smallWindows: true, updated: true},
    {name: "en-phone", locale: "en-GB", screen: phone, lang: "en", dir: "ltr", sizes: phoneSizes},
    {name: "en-tablet", locale: "en-GB", screen: tablet, lang: "en", dir: "ltr", sizes: tabletSizes,
     tablet: true},
    {name: "ar-phone", locale: "ar-EG", screen: phone, lang: "ar", dir: "rtl", unlike: "en-phone"},
    // Its face comes with its words, in a file of its own; served as a school's server may,
    // over plain HTTP, where the page has no cache or worker.
    {name: "ja", locale: "ja-JP", screen: desktop, lang: "ja", dir: "ltr", unlike: "en",
     plainHttp: true},
  ];
  const menuBars = {};
  try {
    for (const session of sessions) {
      const {name, screen} = session;
      const school = "school.test";
      const {context, page} = await launch(name, {locale: session.locale, ...screen,
        ...(session.plainHttp ? {args: [...chromiumFlags, `--host-resolver-rules=MAP ${school} 127.0.0.1`]} : {})});
      try {
        if (session.everything)
          await context.grantPermissions(["clipboard-read", "clipboard-write"]);
        await page.goto(session.plainHttp ? server.url.replace("127.0.0.1", school) : server.url);
        await started(page);
        const html = await page.evaluate(() => ({
          lang: document.documentElement.lang, dir: document.documentElement.dir,
          css: document.querySelector("#qtcanvas canvas").getBoundingClientRect().width,
          device: document.querySelector("#qtcanvas canvas").width,
          ratio: devicePixelRatio * visualViewport.scale,
          scroll: document.documentElement.scrollWidth > innerWidth, secure: isSecureContext}));
        check(html.lang === session.lang && html.dir === session.dir &&
              html.secure === !session.plainHttp,
              `${name}: <html lang="${html.lang}" dir="${html.dir}">` +
              (html.secure ? "" : ", started from a page over plain HTTP"));
        // Qt draws at the whole ratio at or above the screen's (the device's ratio times the
        // page's zoom), which the browser scales down.
        const whole = Math.max(1, Math.ceil(html.ratio - 0.05));
        check(Math.round(html.css) === 599 && html.device === 599 * whole &&
              !html.scroll, `${name}: the canvas is the window, ${html.device} device pixels ` +
              `at ratio ${html.ratio}, no sideways scrolling`);
        const shot = await shoot(page);
        fs.writeFileSync(path.join(workDir, `web-${name}.png`), await page.screenshot());
        const rows = (await clientTop(page)) * screen.deviceScaleFactor;
        menuBars[name] = shot.rgb.rgb.slice(0, rows * shot.rgb.width);
        if (session.unlike) {
          const english = menuBars[session.unlike];
          check(english.length !== menuBars[name].length ||
                english.some((v, i) => v !== menuBars[name][i]),
                `${name}: the menu bar is not the English one`);
        }
        if (session.everything) await drawsAndSaves(page, server);
        if (session.sizes) await byTouch(page, context, name, session.sizes, session.tablet);
        if (session.smallWindows) await smallWindows(page, name);
        // A browser that refuses the clipboard (as Chrome does a page without the leave; here
        // told to by the test): the toy says so and why, and the download still comes.
        if (session.refusedClipboard) {
          await page.evaluate(() => Object.defineProperty(Clipboard.prototype, "write", {
            value: () => Promise.reject(new DOMException("Write permission denied.", "NotAllowedError"))}));
          const said = page.waitForEvent("console", {timeout: 20000,
            predicate: (m) => /^scribblewick: .+: .+\S/.test(m.text())});
          const downloaded = page.waitForEvent("download", {timeout: 20000});
          await page.locator("#qtcanvas canvas").focus();
          await page.keyboard.press("Control+s");
          const [message, download] = await Promise.all([said, downloaded]).catch(() => []);
          check(message && download && download.suggestedFilename() === "Scribblewick.BMP",
                `${name}: a refused clipboard is said (${message && message.text()})`);
        }
        if (session.updated) await afterUpdate(page, server, name, menuBars[name]);
      } finally {
        await context.close();
      }
      if (session.everything || session.updated) Object.assign(server, await serve(webDir));
    }
    await ctrlW(server.url);
  } finally {
    await server.stop().catch(() => {});
  }
  console.log(failures ? `${failures} failed` : "all passed");
  process.exit(failures ? 1 : 0);
}

main().catch((error) => { console.error(error); process.exit(1); });
