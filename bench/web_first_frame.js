// Times navigation to the first painted frame of two pages, cold and warm; prints medians.
// Usage: node web_first_frame.js TOY-DIR EMPTY-DIR RUNS PROFILES-DIR
"use strict";
const {chromium} = require("playwright-core");
const {spawn} = require("child_process");
const fs = require("fs");
const net = require("net");
const path = require("path");

const [toyDir, emptyDir, runs, profiles] = process.argv.slice(2);
const flags = ["--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
               "--ignore-gpu-blocklist", "--disable-gpu-sandbox",
               "--disable-background-networking", "--disable-component-update", "--disable-sync",
               "--no-first-run", "--disable-quic"];

function freePort() {
  return new Promise((resolve) => {
    const s = net.createServer().listen(0, "127.0.0.1", () => {
      const {port} = s.address();
      s.close(() => resolve(port));
    });
  });
}

async function serve(dir) {
  const port = await freePort();
  const server = spawn("python3", ["-m", "http.server", String(port), "--bind", "127.0.0.1",
                                   "--directory", dir], {stdio: "ignore"});
  const url = `http://127.0.0.1:${port}/`;
  for (let i = 0; i < 100; i++) {
    if (await fetch(url).then((r) => r.ok, () => false)) break;
    await new Promise((r) => setTimeout(r, 100));
  }
  return {url, pid: server.pid};
}

// Milliseconds from navigation start to the mark.
async function firstFrame(page) {
  const handle = await page.waitForFunction(() => {
    const mark = performance.getEntriesByName("scribblewick-first-frame")[0];
    return mark && mark.startTime;
  }, null, {timeout: 120000, polling: 20});
  return handle.jsonValue();
}

async function run(url, profile) {
  fs.rmSync(profile, {recursive: true, force: true});
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: "/usr/bin/chromium", headless: true, args: flags,
    viewport: {width: 900, height: 700}});
  const page = context.pages()[0] || await context.newPage();
  await page.goto(url);
  const cold = await firstFrame(page);
  // The worker (where there is one) has kept the files and the module was compiled once.
  await page.evaluate(async () => {
    if (await navigator.serviceWorker.getRegistration()) await navigator.serviceWorker.ready;
  });
  await page.reload();
  await firstFrame(page);
  await page.reload();
  const warm = await firstFrame(page);
  await context.close();
  return {cold, warm};
}

const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const range = (v) => `${Math.round(Math.min(...v))}-${Math.round(Math.max(...v))}`;

(async () => {
  const toy = await serve(toyDir);
  const empty = await serve(emptyDir);
  const times = {toy: {cold: [], warm: []}, empty: {cold: [], warm: []}};
  try {
    for (let i = 0; i < Number(runs); i++)
      for (const [name, server] of i % 2 ? [["empty", empty], ["toy", toy]]
                                         : [["toy", toy], ["empty", empty]]) {
        const t = await run(server.url, path.join(profiles, name));
        times[name].cold.push(t.cold);
        times[name].warm.push(t.warm);
      }
  } finally {
    process.kill(toy.pid);
    process.kill(empty.pid);
    fs.rmSync(profiles, {recursive: true, force: true});
  }
  console.log(`first painted frame after navigation, ms: median (min-max) of ${runs}`);
  for (const kind of ["cold", "warm"]) {
    const t = times.toy[kind], e = times.empty[kind];
    console.log(`  ${kind}: toy ${Math.round(median(t))} (${range(t)}), empty window ` +
                `${Math.round(median(e))} (${range(e)}), toy / empty ${(median(t) / median(e)).toFixed(2)}`);
  }
})().catch((error) => { console.error(error); process.exit(1); });
