// This WebEngine's fetch() refuses custom URL schemes, and Ruffle fetches its
// code and wasm with it. Requests for the page's own scheme go through
// XMLHttpRequest instead; nothing else is reachable anyway.
"use strict";
(() => {
  const nativeFetch = window.fetch.bind(window);
  const types = { wasm: "application/wasm", js: "text/javascript", json: "application/json" };

  function typeOf(url) {
    const dot = url.pathname.lastIndexOf(".");
    return types[url.pathname.slice(dot + 1)] || "application/octet-stream";
  }

  window.fetch = (input, init) => {
    const url = new URL(input instanceof Request ? input.url : String(input), document.baseURI);
    if (url.protocol !== location.protocol) return nativeFetch(input, init);
    return new Promise((resolve, reject) => {
      const request = new XMLHttpRequest();
      request.open("GET", url.href);
      request.responseType = "arraybuffer";
      request.onload = () => {
        // Custom schemes may answer 0 where http would say 200.
        const status = request.status || 200;
        resolve(new Response(status === 204 ? null : request.response, {
          status,
          headers: { "Content-Type": typeOf(url) },
        }));
      };
      request.onerror = () => reject(new TypeError(`Failed to fetch ${url.href}`));
      request.send();
    });
  };
})();
