// Times navigation to the first painted frame of two pages, cold and warm, in each engine;
// prints medians.
// Usage: node web_first_frame.js TOY-DIR EMPTY-DIR RUNS PROFILES-DIR [ENGINE,...] [LABEL]
// (LABEL: what the first page is called in the output, "toy" unless told)
"use strict";
const fs = require("fs");
const path = require("path");
const {launch, until, serve} = require(path.join(__dirname, "..", "tests", "web", "engines"));

const [toyDir, emptyDir, runs, profiles, engineList = "chromium,firefox,webkit", label = "toy"] =
  process.argv.slice(2);

// Milliseconds from navigation start to each step of the start: the program fetched (its
// last byte), main() entered, QApplication made, the window shown, the first frame. The page and
// the program mark them themselves: how often they are looked for does not change them.
const steps = ["fetched", "main", "application", "shown", "first-frame"];
const firstFrame = (b) => until("the first frame", () => b.evaluate((steps) => {
  const at = (step) => (performance.getEntriesByName("scribblewick-" + step)[0] || {}).startTime;
  if (at("first-frame") === undefined) return undefined;
  const wasm = performance.getEntriesByType("resource").find((r) => r.name.endsWith(".wasm"));
  return Object.fromEntries(steps.map((s) => [s, s === "fetched" ? wasm && wasm.responseEnd
                                                                 : at(s)]));
}, steps), 120000);

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
  // As a plain host serves them: the empty program comes warm from the browser's cache.
  const toy = await serve(toyDir, null, {cached: true});
  const empty = await serve(emptyDir, null, {cached: true});
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
    await toy.stop();
    await empty.stop();
    fs.rmSync(profiles, {recursive: true, force: true});
  }
  console.log(`first painted frame after navigation, ms: median (min-max) of ${runs}`);
  for (const engine of engines)
    for (const kind of ["cold", "warm"]) {
      const frame = (name) => times[engine][name][kind].map((t) => t["first-frame"]);
      const t = frame("toy"), e = frame("empty");
      console.log(`  ${engine} ${kind}: ${label} ${Math.round(median(t))} (${range(t)}), empty ` +
                  `window ${Math.round(median(e))} (${range(e)}), ${label} / empty ` +
                  (median(t) / median(e)).toFixed(2));
      // Where the time goes: the median of each step's share, toy against empty.
      const share = (name, i) => Math.round(median(times[engine][name][kind].map((t) =>
        (t[steps[i]] || 0) - (i ? t[steps[i - 1]] || 0 : 0))));
      console.log("    " + steps.map((s, i) => `${i ? "to " : ""}${s} ${share("toy", i)}/` +
                                      share("empty", i)).join(", "));
    }
})().catch((error) => { console.error(error); process.exit(1); });
