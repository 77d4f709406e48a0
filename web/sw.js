// Keeps the folder's files, so the toy starts offline after its first visit. The page
// has kept the program as it downloaded it: what is in the cache already is not fetched again.
// A new version of the toy is a new cache: the old one goes when the new one is in place.
"use strict";
const cache = "scribblewick-@VERSION@";
const files = [/*@FILES@*/];

// A new version also keeps the languages the old one had, fetched anew (the old file if the
// network fails): its first start may be offline, and should speak as the last one did.
const languagesBefore = () => caches.keys()
  .then((names) => Promise.all(names.filter((n) => n !== cache && n.startsWith("scribblewick-"))
    .map((n) => caches.open(n).then((old) => old.keys().then((requests) => requests
      .filter((r) => new URL(r.url).pathname.includes("/languages/"))
      .map((r) => ({r, old})))))))
  .then((lists) => lists.flat());

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(cache).then((c) => Promise.all(files.map((file) =>
    c.match(file, {ignoreSearch: true}).then((kept) => kept || c.add(file))))
    .then(languagesBefore)
    .then((languages) => Promise.all(languages.map(({r, old}) => c.add(r.url).catch(() =>
      old.match(r).then((kept) => kept && c.put(r, kept)))))))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== cache).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// A language is kept as it is first asked for: a child needs one of them, not all.
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(cache).then((c) => c.match(event.request, {ignoreSearch: true})
    .then((kept) => kept || fetch(event.request).then((response) => {
      if (response.ok && new URL(event.request.url).pathname.includes("/languages/"))
        return c.put(event.request, response.clone()).then(() => response, () => response);
      return response;
    }))));
});
