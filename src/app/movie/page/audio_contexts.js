// Ruffle makes an AudioContext for every movie it loads, and holds the movie
// back 200 ms when that context is not running yet; a context made afresh
// starts suspended and runs a moment later. So one context of each rate
// asked for is made ahead, already running when a player asks, and the next
// one is made at once.
//
// A context its player closes is really closed: its player's loop of sound
// buffers runs on it until then, and a context kept alive for the next
// player kept that loop, and every later player's, going while nothing
// played. Its player was suspended first, with the end of its sound still
// queued: the context plays that out, then closes.
"use strict";
(() => {
  const NativeAudioContext = window.AudioContext;
  const kLongestTail = 0.5;
  const spares = new Map();
  const keyOf = (options) => String(options?.sampleRate ?? "");

  function closingAfterItsTail(context) {
    let queuedUntil = 0;
    const makeSource = context.createBufferSource.bind(context);
    context.createBufferSource = () => {
      const source = makeSource();
      const start = source.start.bind(source);
      source.start = (when = 0, offset = 0, ...duration) => {
        const length = duration.length ? duration[0] : (source.buffer?.duration ?? 0) - offset;
        queuedUntil = Math.max(queuedUntil, Math.max(when, context.currentTime) + length);
        return start(when, offset, ...duration);
      };
      return source;
    };
    // Ruffle may still ask a context it gave up to resume or suspend: a
    // closed one stays closed, without an error in the log.
    for (const name of ["resume", "suspend"]) {
      const native = context[name].bind(context);
      context[name] = () => (context.state === "closed" ? Promise.resolve() : native());
    }
    const close = context.close.bind(context);
    context.close = () => {
      const tail = Math.min(kLongestTail, queuedUntil - context.currentTime);
      if (!(tail > 0) || context.state === "closed") return close();
      context.resume();
      setTimeout(close, (tail + (context.outputLatency || 0.1)) * 1000);
      return Promise.resolve();
    };
    return context;
  }

  function made(options) {
    return closingAfterItsTail(new NativeAudioContext(options));
  }

  window.AudioContext = function AudioContext(options) {
    const key = keyOf(options);
    const spare = spares.get(key);
    spares.set(key, made(options));
    if (!spare || spare.state === "closed") return made(options);
    return spare;
  };
  window.AudioContext.prototype = NativeAudioContext.prototype;
})();
