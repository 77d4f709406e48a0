// Times navigation to the first painted frame of two pages, cold and warm, in each engine;
// prints medians.
// Usage: node web_first_frame.js TOY-DIR EMPTY-DIR RUNS PROFILES-DIR [ENGINE,...]
"use strict";
const {spawn} = require("child_process");
const fs = require("fs");
const net = require("net");
const path = require("path");
const {launch, until} = require(path.join(__dirname, "..", "tests", "web", "engines"));

const [toyDir, emptyDir, runs, profiles, engineList = "chromium,firefox,webkit"] =
  process.argv.slice(2);

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

// Milliseconds from navigation start to the mark, which the page sets itself: how often it is
// looked for does not change it.
const firstFrame = (b) => until("the first frame", () => b.evaluate(() => {
  const mark = performance.getEntriesByName("scribblewick-first-frame")[0];
  return mark && mark.startTime;
}), 120000);

async function run(engine, url, name) {
  const b = await launch(engine, {workDir: profiles, name, width: 900, height: 700});
  try {
    await b.goto(url);
    const cold = await firstFrame(b);
    // The worker (where there is one) has kept the files and the module was compiled once.
    await b.evaluate(async () => {
      if (await navigator.serviceWorker.getRegistration()) await navigator.serviceWorker.ready;
    });
    await b.reload();
    await firstFrame(b);
    await b.reload();
    return {cold, warm: await firstFrame(b)};
  } finally {
    await b.close();
  }
}

const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];
const range = (v) => `${Math.round(Math.min(...v))}-${Math.round(Math.max(...v))}`;

(async () => {
  const toy = await serve(toyDir);
  const empty = await serve(emptyDir);
  const engines = engineList.split(",");
  const times = {};
  try {
    for (const engine of engines) {
      times[engine] = {toy: {cold: [], warm: []}, empty: {cold: [], warm: []}};
      for (let i = 0; i < Number(runs); i++)
        for (const [name, server] of i % 2 ? [["empty", empty], ["toy", toy]]
                                           : [["toy", toy], ["empty", empty]]) {
          const t = await run(engine, server.url, name);
          times[engine][name].cold.push(t.cold);
          times[engine][name].warm.push(t.warm);
        }
    }
  } finally {
    process.kill(toy.pid);
    process.kill(empty.pid);
    fs.rmSync(profiles, {recursive: true, force: true});
  }
  console.log(`first painted frame after navigation, ms: median (min-max) of ${runs}`);
  for (const engine of engines)
    for (const kind of ["cold", "warm"]) {
      const t = times[engine].toy[kind], e = times[engine].empty[kind];
      console.log(`  ${engine} ${kind}: toy ${Math.round(median(t))} (${range(t)}), empty window ` +
                  `${Math.round(median(e))} (${range(e)}), toy / empty ${(median(t) / median(e)).toFixed(2)}`);
    }
})().catch((error) => { console.error(error); process.exit(1); });
