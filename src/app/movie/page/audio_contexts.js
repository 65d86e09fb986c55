// This WebEngine keeps about 2 MB of every AudioContext a page ever made,
// closed or not, and Ruffle makes one for every movie it loads. So closed
// contexts are kept running, empty, and handed to the next player instead:
// the page never holds more than the most players it had at once, and one.
//
// A context made afresh starts suspended, and Ruffle waits 200 ms before
// playing a movie whose context is not yet running. So a running spare is
// handed out first, and one more is made ready whenever none is left.
"use strict";
(() => {
  const NativeAudioContext = window.AudioContext;
  const spare = [];

  function recycle(context) {
    context.resume();
    spare.push(context);
    return Promise.resolve();
  }

  function fresh() {
    const context = new NativeAudioContext();
    context.close = () => recycle(context);
    return context;
  }

  window.AudioContext = function AudioContext(options) {
    if (options !== undefined) return new NativeAudioContext(options);
    const running = spare.findIndex((context) => context.state === "running");
    const context = running >= 0 ? spare.splice(running, 1)[0] : (spare.pop() ?? fresh());
    if (spare.length === 0) spare.push(fresh());
    return context;
  };
  window.AudioContext.prototype = NativeAudioContext.prototype;
})();
