// Writes fsrs_reference.csv: histories of grades run through ts-fsrs with its
// default parameters (FSRS-6, fuzz off, short-term on, steps 1m 10m / 10m),
// one row per review with the card it leaves. The scheduler's tests read the
// table, so they need no node. Run from the project's root:
//   node tests/progress/fsrs_reference.mjs > tests/progress/fsrs_reference.csv
import { createEmptyCard, fsrs, Rating } from "ts-fsrs";

const scheduler = fsrs();
const minute = 60 * 1000;
const day = 24 * 60 * minute;
const start = Date.UTC(2024, 2, 1, 8, 0, 0);

// A step is a grade and when it comes: "due" at the card's due time; "due*F"
// at the last review plus F times the interval given; "+Nm", "+Nh", "+Nd"
// after the last review (after the start for a first review).
const histories = {
  good_throughout: ["good", "good@+10m", "good@due", "good@due", "good@due", "good@due", "good@due"],
  easy_throughout: ["easy", "easy@due", "easy@due", "easy@due", "easy@due"],
  hard_throughout: ["hard", "hard@+6m", "hard@+6m", "good@+6m", "hard@due", "hard@due", "hard@due"],
  again_then_recovery: ["again", "again@+1m", "hard@+1m", "good@+6m", "good@+10m", "good@due", "good@due"],
  lapse_and_relearn: ["good", "good@+10m", "good@due", "good@due", "again@due", "again@+10m", "hard@+10m", "good@+15m", "good@due", "easy@due"],
  late_reviews: ["good", "good@+10m", "good@due*3", "good@due*2.5", "hard@due*4", "easy@due*1.5", "again@due*6", "good@+10m", "good@due*2"],
  early_reviews: ["good", "good@+10m", "good@due*0.5", "good@due*0.3", "easy@due*0.2", "hard@due*0.6", "good@due*0.1", "again@due*0.5", "good@+10m"],
  same_day_reviews: ["easy", "good@+2h", "again@+3h", "easy@+1h", "hard@+5h", "good@+30m", "good@+1d", "good@+1h", "again@+1h", "again@+10m", "good@+10m"],
  across_midnight: ["good@+15h50m", "good@+10m", "good@+5m", "easy@+1d", "good@due", "hard@+20m"],
  long_gaps: ["good", "good@+10m", "good@+400d", "good@+2000d", "again@+3000d", "good@+10m", "easy@+10000d", "easy@due", "easy@due"],
};

// Deterministic mixes of every grade and timing, from a small LCG.
let seed = 20240301;
const random = () => {
  seed = (seed * 1103515245 + 12345) % 2147483648;
  return seed / 2147483648;
};
const grades = ["again", "hard", "good", "easy"];
const timings = ["+1m", "+10m", "+1h", "+7h", "+1d", "+3d", "due", "due*0.4", "due*2", "due*5"];
for (let h = 1; h <= 8; ++h) {
  const steps = [];
  for (let i = 0; i < 14; ++i) {
    const grade = grades[Math.floor(random() * grades.length)];
    steps.push(i === 0 ? grade : `${grade}@${timings[Math.floor(random() * timings.length)]}`);
  }
  histories[`mixed_${h}`] = steps;
}

function after(span) {
  let ms = 0;
  for (const [, n, unit] of span.matchAll(/(\d+)([mhd])/g))
    ms += Number(n) * { m: minute, h: 60 * minute, d: day }[unit];
  return ms;
}

function reviewTime(when, card, previous) {
  if (!when) return previous;
  if (when === "due") return card.due.getTime();
  const last = card.last_review ? card.last_review.getTime() : previous;
  if (when.startsWith("due*")) {
    const factor = Number(when.slice(4));
    return last + Math.round(factor * (card.due.getTime() - last));
  }
  return last + after(when);
}

const states = ["new", "learning", "review", "relearning"];
const ratings = { again: Rating.Again, hard: Rating.Hard, good: Rating.Good, easy: Rating.Easy };
const columns = [
  "history", "review", "at_ms", "grade", "retrievability_before", "state", "due_ms",
  "scheduled_days", "elapsed_days", "stability", "difficulty", "reps", "lapses", "learning_step",
];
console.log(columns.join(","));
for (const [name, steps] of Object.entries(histories)) {
  let card = createEmptyCard(new Date(start));
  let at = start;
  steps.forEach((step, index) => {
    const [grade, when] = step.split("@");
    at = reviewTime(when, card, at);
    const retrievability = scheduler.get_retrievability(card, new Date(at), false);
    card = scheduler.next(card, new Date(at), ratings[grade]).card;
    console.log([
      name, index + 1, at, grade, retrievability, states[card.state], card.due.getTime(),
      card.scheduled_days, card.elapsed_days, card.stability, card.difficulty, card.reps,
      card.lapses, card.learning_steps,
    ].join(","));
  });
}
