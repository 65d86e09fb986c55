// This WebEngine keeps about 2 MB of every AudioContext a page ever made,
// closed or not, and Ruffle makes one for every movie it loads. So closed
// contexts are kept running, empty, and handed to the next player instead:
// the page never holds more than the most players it had at once, and one.
//
// Ruffle holds a movie back 200 ms when its context is not running yet, and
// a context it has just closed was suspended first (and one made afresh
// starts suspended). So a running spare is handed out first, and one more is
// made ready whenever none is left.
"use strict";
(() => {
  const NativeAudioContext = window.AudioContext;
  const spare = [];

  function recycle(context) {
    context.resume();
    spare.push(context);
    return Promise.resolve();
  }

  function fresh(options) {
    const context = new NativeAudioContext(options);
    context.close = () => recycle(context);
    return context;
  }

  window.AudioContext = function AudioContext(options) {
    const rate = options?.sampleRate;
    const fits = (context) => rate === undefined || context.sampleRate === rate;
    const running = spare.findIndex((context) => fits(context) && context.state === "running");
    const other = spare.findIndex(fits);
    const index = running >= 0 ? running : other;
    const context = index >= 0 ? spare.splice(index, 1)[0] : fresh(options);
    if (!spare.some(fits)) spare.push(fresh(options));
    return context;
  };
  window.AudioContext.prototype = NativeAudioContext.prototype;
})();
