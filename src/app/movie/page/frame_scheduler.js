// Every Ruffle player asks for an animation frame at the display's rate,
// suspended or not. The page decides how often they are answered: at the
// display's rate, or held and answered together once a wait has passed (a
// few times a second while no player is awake, a few movie frames apart while
// the awake ones show a still picture). After each answered callback the page
// may look at what a player drew in it: a WebGL canvas can be read only then.
"use strict";
window.hifzFrames = (() => {
  const displayFrame = window.requestAnimationFrame.bind(window);
  const cancelDisplayFrame = window.cancelAnimationFrame.bind(window);
  const held = new Map();
  let heldCount = 0;
  let slowTick = null;
  let pace = () => 0;
  let afterEach = () => {};

  function run(callback, now) {
    try {
      callback(now);
    } catch (error) {
      console.error(`animation frame: ${error.message}`);
    }
    afterEach(now);
  }

  // Runs every held callback now, each on its own, as the display's
  // animation frames would.
  function answerHeld() {
    clearTimeout(slowTick);
    slowTick = null;
    const now = performance.now();
    const callbacks = [...held.values()];
    held.clear();
    for (const callback of callbacks) run(callback, now);
  }

  window.requestAnimationFrame = (callback) => {
    const wait = pace();
    if (!wait) return displayFrame((now) => run(callback, now));
    heldCount += 1;
    held.set(-heldCount, callback);
    slowTick ??= setTimeout(answerHeld, wait);
    return -heldCount;
  };
  window.cancelAnimationFrame = (id) => {
    if (id < 0) held.delete(id);
    else cancelDisplayFrame(id);
  };

  return {
    // A frame at the display's rate, whatever the pace.
    displayFrame,
    answerHeld,
    // `choosePace()` gives the milliseconds between answers now, 0 for the
    // display's rate.
    setPace(choosePace) {
      pace = choosePace;
    },
    // `look(now)` runs after each answered callback.
    afterEachFrame(look) {
      afterEach = look;
    },
  };
})();
