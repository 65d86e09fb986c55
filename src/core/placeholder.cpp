// Keeps hifz_core a valid library until its first real sources land.
