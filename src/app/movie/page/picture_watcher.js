// Tells whether a player's picture stands still, by comparing its canvas with
// the last look every so often. A picture that cannot be read (no size yet,
// or all transparent black, as a WebGL canvas reads outside the frame it was
// drawn in) is never taken for a still one.
"use strict";
window.HifzPictureWatch = (() => {
  const sampler = document.createElement("canvas").getContext("2d", { willReadFrequently: true });

  function pixelsOf(canvas) {
    if (!canvas?.width || !canvas.height) return null;
    sampler.canvas.width = canvas.width;
    sampler.canvas.height = canvas.height;
    sampler.drawImage(canvas, 0, 0);
    const pixels = new Uint32Array(
      sampler.getImageData(0, 0, canvas.width, canvas.height).data.buffer,
    );
    return pixels.some((pixel) => pixel !== 0) ? pixels : null;
  }

  return class PictureWatch {
    // A look at most every `everyMs`; still after `looksToBeStill` looks
    // that found the picture unchanged.
    constructor(everyMs, looksToBeStill) {
      this.everyMs = everyMs;
      this.looksToBeStill = looksToBeStill;
      this.takenAt = -Infinity;
      this.forget();
    }

    forget() {
      this.picture = null;
      this.sameLooks = 0;
      this.still = false;
    }

    // Looks at `canvas` if a look is due at `now`; tells whether the picture
    // changed (or could not be read) since the last look.
    look(canvas, now) {
      if (now - this.takenAt < this.everyMs) return false;
      this.takenAt = now;
      const picture = pixelsOf(canvas);
      const before = this.picture;
      const same =
        picture !== null &&
        before?.length === picture.length &&
        picture.every((pixel, index) => pixel === before[index]);
      if (!same) {
        this.forget();
        this.picture = picture;
        return true;
      }
      this.sameLooks += 1;
      if (this.sameLooks >= this.looksToBeStill) this.still = true;
      return false;
    }
  };
})();
