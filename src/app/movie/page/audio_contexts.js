// Ruffle makes an AudioContext for every movie it loads, and holds the movie
// back 200 ms when that context is not running yet; a context made afresh
// starts suspended and runs a moment later. So one context of each rate
// asked for is made ahead, already running when a player asks, and the next
// one is made at once.
//
// A context its player closes is really closed: its player's loop of sound
// buffers runs on it until then, and a context kept alive for the next
// player kept that loop, and every later player's, going while nothing
// played.
"use strict";
(() => {
  const NativeAudioContext = window.AudioContext;
  const spares = new Map();
  const keyOf = (options) => String(options?.sampleRate ?? "");

  window.AudioContext = function AudioContext(options) {
    const key = keyOf(options);
    const spare = spares.get(key);
    spares.set(key, new NativeAudioContext(options));
    if (!spare || spare.state === "closed") return new NativeAudioContext(options);
    return spare;
  };
  window.AudioContext.prototype = NativeAudioContext.prototype;
})();
