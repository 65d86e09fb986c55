// This WebEngine keeps about 2 MB of every AudioContext a page ever made,
// closed or not, and Ruffle makes one for every movie it loads. So closed
// contexts are kept running, empty, and handed to the next player instead:
// the page never holds more than the most players it had at once.
"use strict";
(() => {
  const NativeAudioContext = window.AudioContext;
  const spare = [];

  function recycle(context) {
    context.resume();
    spare.push(context);
    return Promise.resolve();
  }

  window.AudioContext = function AudioContext(options) {
    const context = spare.pop() ?? new NativeAudioContext(options);
    context.close = () => recycle(context);
    return context;
  };
  window.AudioContext.prototype = NativeAudioContext.prototype;
})();
