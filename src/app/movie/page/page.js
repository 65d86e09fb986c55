// Draws a window's model and hosts its movie players. The host sends batches
// of commands over the web channel; the page answers with batches of events.
"use strict";
(() => {
  const root = document.getElementById("root");
  // id -> { node, kind, ...movie state }; "" is the window itself.
  const elements = new Map([["", { node: root, kind: "panel" }]]);
  const movies = new Set();
  // Loads under way, so that the host can learn when all it gave are drawn.
  const loadsInFlight = new Set();
  const ruffle = window.RufflePlayer.newest();
  let bridge = null;
  let outbox = [];

  function send(event) {
    outbox.push(event);
    if (outbox.length > 1) return;
    setTimeout(() => {
      const batch = outbox;
      outbox = [];
      bridge.events(batch);
    }, 0);
  }

  function element(id) {
    const found = elements.get(id);
    if (!found) throw new Error(`no element ${id}`);
    return found;
  }

  // Ruffle's own overlays (panic and hardware notices, play button) have no
  // place in the program's window.
  const furniture = new CSSStyleSheet();
  furniture.replaceSync(
    "#splash-screen, #play-button, #unmute-overlay, #message-overlay, .modal, #panic " +
      "{ display: none !important; }",
  );

  // Movie slots. A movie's root timeline is followed through the frame
  // reports its rewritten frames send as fscommand("__frame", n). Beside
  // them, a clip the rewrite added sends fscommand("__tick") on each of its
  // own frames. Ticks that go on without a frame report mean the timeline was
  // stopped by the movie itself; a player that stalls (a busy machine, a
  // sound that is late) sends neither, and is not taken for a stop.
  const kTicksToStop = 3;
  // Should both cease (a movie that stopped every clip, ours too), a silence
  // this long, counted in page time between animation frames with each step
  // capped, counts as a stop. Animation frames are asked for only while a
  // slot plays; a hidden page gets none: such stops show when it shows.
  const kLongestStep = 100;
  const kLongestSilence = 3000;

  // A player whose timeline stands still would go on drawing the same frame
  // at the movie's frame rate, nine players at once. Once reports have ceased
  // the page puts it to rest (suspends it); it wakes when the pointer enters,
  // moves over, presses on or leaves it (its buttons answer as always), when
  // its element is placed anew or shown, and when it plays again, and rests
  // once more when its ticks show it still stands.
  // While no player is awake, the players' requests for animation frames
  // are answered a few times a second instead; a waking player first has
  // them answered at once, so that its next tick does not cover the wait.
  const frames = window.hifzFrames;
  const kRestingTick = 250;

  // A playing movie whose picture stays the same (a verse page while its
  // verse is heard) would still be drawn anew on each of its frames. So the
  // page compares the player's picture every so often, right after the
  // player drew a new frame; once it has not changed for a while, the
  // player's animation frames come a few of its frames apart: Ruffle runs the
  // frames due on each, so the timeline keeps its time, and its sound plays
  // on by itself. Any change of the picture, the pointer over it, and the last
  // half second of its timeline bring the display's rate back.
  const kPictureEvery = 400;
  const kStillPictures = 2;
  const kFramesPerStillTick = 3;

  function awake(slot) {
    return slot.player && !slot.resting && !slot.paused;
  }

  // Milliseconds between animation frames for the players now: 0 for the
  // display's rate.
  function pace() {
    let longest = kRestingTick;
    for (const slot of movies) {
      if (!awake(slot)) continue;
      if (!slot.still) return 0;
      longest = Math.min(longest, (kFramesPerStillTick * 1000) / slot.frameRate);
    }
    return longest;
  }
  frames.setPace(pace);

  // The element says so too, for whoever looks at the page from outside.
  function markStill(slot, still) {
    slot.still = still;
    slot.node.toggleAttribute("data-still", still);
  }

  function forgetPicture(slot) {
    slot.picture.forget();
    markStill(slot, false);
  }

  function showMoving(slot) {
    const wasStill = slot.still;
    markStill(slot, false);
    if (wasStill) frames.answerHeld();
  }

  function unstill(slot) {
    slot.picture.forget();
    showMoving(slot);
  }

  function nearEnd(slot) {
    return slot.frameCount - slot.frame <= slot.frameRate / 2;
  }

  function lookAtPicture(slot, now) {
    if (nearEnd(slot)) {
      unstill(slot);
      return;
    }
    const canvas = slot.player?.shadowRoot.querySelector("canvas");
    if (slot.picture.look(canvas, now)) showMoving(slot);
    else if (slot.picture.still && !slot.still) markStill(slot, true);
  }

  // A frame report comes from inside the player's tick, which draws the frame
  // before it ends: its picture is looked at right after.
  frames.afterEachFrame((now) => {
    for (const slot of movies) {
      if (!slot.drawn) continue;
      slot.drawn = false;
      if (slot.watching) lookAtPicture(slot, now);
    }
  });

  function rest(slot) {
    slot.resting = true;
    slot.player.ruffle().suspend();
  }

  function wake(slot) {
    unstill(slot);
    if (slot.resting) {
      slot.resting = false;
      slot.player.ruffle().resume();
      // Awake first: the player's tick then runs, and asks for the next
      // animation frame at the display's rate.
      frames.answerHeld();
    }
    if (slot.reported && !slot.paused) listen(slot);
  }

  function wakeWithin(node) {
    for (const slot of movies) if (slot.player && node.contains(slot.node)) wake(slot);
  }

  function listen(slot) {
    slot.silence = 0;
    slot.ticks = 0;
    slot.watching = true;
    if (watch.pending) return;
    watch.pending = true;
    watch.last = performance.now();
    window.requestAnimationFrame(watch);
  }

  function dropPlayer(slot) {
    if (!slot.player) return;
    slot.player.remove();
    slot.player = null;
    slot.watching = false;
    slot.resting = false;
    forgetPicture(slot);
  }

  function report(slot, load, command, args) {
    if (slot.load !== load) return;
    if (command === "__tick") {
      slot.silence = 0;
      if (slot.watching && ++slot.ticks >= kTicksToStop) stopped(slot);
      return;
    }
    if (command !== "__frame") {
      send({ type: "fscommand", id: slot.id, load, command, args });
      return;
    }
    slot.frame = Number(args);
    slot.drawn = true;
    slot.silence = 0;
    slot.ticks = 0;
    slot.reported = true;
    slot.told = false;
    if (!slot.paused) listen(slot);
    send({ type: "frame", id: slot.id, load, frame: slot.frame });
  }

  function stopped(slot) {
    slot.watching = false;
    // A one-frame movie has no timeline to stop; the host is told of the
    // stop only once.
    if (slot.frameCount > 1 && !slot.told) {
      slot.told = true;
      send({ type: "stopped", id: slot.id, load: slot.load, frame: slot.frame });
    }
    // Ticks come from inside the player's own frame, where it cannot be
    // suspended; so it rests once that frame is over.
    queueMicrotask(() => {
      if (slot.player && !slot.watching && !slot.resting && !slot.paused) {
        rest(slot);
      }
    });
  }

  function watch(now) {
    const step = Math.min(now - watch.last, kLongestStep);
    watch.last = now;
    let waiting = false;
    for (const slot of movies) {
      if (!slot.watching) continue;
      if (nearEnd(slot)) unstill(slot);
      slot.silence += step;
      if (slot.silence > kLongestSilence) stopped(slot);
      else waiting = true;
    }
    watch.pending = waiting;
    if (waiting) window.requestAnimationFrame(watch);
  }
  watch.pending = false;

  function newPlayer(slot) {
    const player = ruffle.createPlayer();
    player.shadowRoot.adoptedStyleSheets = [...player.shadowRoot.adoptedStyleSheets, furniture];
    player.ruffle().addFSCommandHandler((name, args) => report(slot, player.movieLoad, name, args));
    slot.node.appendChild(player);
    slot.player = player;
    return player;
  }

  // A slot keeps its player from movie to movie: the old movie, held still,
  // shows until the new one replaces it.
  async function loadMovie(slot, command) {
    // Two loads at once in one player can leave it with the older movie, so a
    // player still busy with one makes way for a fresh player.
    if (slot.player?.loading) dropPlayer(slot);
    const player = slot.player ?? newPlayer(slot);
    const load = command.load;
    // How long each step took, for the host's timing trace.
    const began = performance.now();
    const bytes = await (await fetch(command.url)).arrayBuffer();
    const fetched = performance.now();
    if (slot.player !== player || slot.load !== load) return;
    player.loading = true;
    try {
      await player.ruffle().load({ data: bytes, swfFileName: command.name, scale: command.scale });
    } finally {
      player.loading = false;
    }
    const steps = {
      queued: began - command.received,
      fetch: fetched - began,
      player: performance.now() - fetched,
    };
    if (slot.player !== player || slot.load !== load) return;
    player.movieLoad = load;
    slot.resting = false;
    // A new player first ticks with the whole time since its creation; were
    // it playing then, the movie's first frames would all run in that one tick.
    // So it starts one animation frame later, from a fresh tick.
    const start = () => {
      if (slot.player !== player || slot.load !== load || slot.paused) return;
      player.ruffle().resume();
      // While the page is hidden (its window minimised) Ruffle ticks only the
      // players that played when it was hidden; it learns of this one so.
      if (document.hidden) document.dispatchEvent(new Event("visibilitychange"));
    };
    if (document.hidden) setTimeout(start);
    else frames.displayFrame(start);
    send({ type: "loaded", id: slot.id, load, ...steps });
  }

  function startPendingLoad(slot) {
    const command = slot.pendingLoad;
    slot.pendingLoad = null;
    if (!command || slot.load !== command.load || elements.get(slot.id) !== slot) return;
    const loading = loadMovie(slot, command).catch((error) => {
      if (slot.load !== command.load) return;
      dropPlayer(slot);
      send({ type: "failed", id: slot.id, load: command.load, message: String(error) });
    });
    loadsInFlight.add(loading);
    loading.finally(() => loadsInFlight.delete(loading));
  }

  // A countdown: a ring over a disc that empties as the time passes, and its
  // text (the seconds left) in the middle.
  const kSvg = "http://www.w3.org/2000/svg";
  const kRingRadius = 24;
  const kRingLength = 2 * Math.PI * kRingRadius;

  function drawCountdown(made) {
    const svg = document.createElementNS(kSvg, "svg");
    svg.setAttribute("viewBox", "0 0 68 65");
    const circle = (className, radius) => {
      const shape = document.createElementNS(kSvg, "circle");
      shape.setAttribute("class", className);
      shape.setAttribute("cx", "34");
      shape.setAttribute("cy", "32");
      shape.setAttribute("r", String(radius));
      svg.appendChild(shape);
      return shape;
    };
    circle("disc", 30);
    circle("track", kRingRadius);
    made.ring = circle("ring", kRingRadius);
    made.ring.style.strokeDasharray = String(kRingLength);
    made.text = document.createElementNS(kSvg, "text");
    made.text.setAttribute("x", "34");
    made.text.setAttribute("y", "32");
    svg.appendChild(made.text);
    made.node.appendChild(svg);
  }

  const commands = {
    create({ id, parent, kind }) {
      if (elements.has(id)) throw new Error(`element ${id} exists`);
      const node = document.createElement("div");
      node.className = `element ${kind}`;
      node.dataset.id = id;
      const made = { id, node, kind };
      element(parent).node.appendChild(node);
      elements.set(id, made);
      if (kind === "movie") {
        Object.assign(made, {
          player: null,
          load: -1,
          paused: false,
          watching: false,
          picture: new HifzPictureWatch(kPictureEvery, kStillPictures),
        });
        movies.add(made);
        node.addEventListener("pointerenter", () => {
          made.pointerInside = true;
          wake(made);
        });
        // A pointer held still over a movie lets it rest (it would cost a
        // core drawing the same frame); each move and press wakes it first,
        // so its buttons light up and answer as always.
        node.addEventListener("pointermove", () => wake(made), true);
        node.addEventListener("pointerdown", () => wake(made), true);
        node.addEventListener("pointerleave", () => {
          made.pointerInside = false;
          wake(made);
        });
      }
      if (kind === "countdown") drawCountdown(made);
    },
    remove({ id }) {
      const { node } = element(id);
      for (const [otherId, other] of elements) {
        if (otherId !== "" && node.contains(other.node)) {
          if (other.kind === "movie") dropPlayer(other);
          movies.delete(other);
          elements.delete(otherId);
        }
      }
      node.remove();
    },
    geometry({ id, x, y, width, height }) {
      const { node } = element(id);
      const { style } = node;
      style.left = `${x}px`;
      style.top = `${y}px`;
      style.width = `${width}px`;
      style.height = `${height}px`;
      // A player draws its new size on its next tick.
      wakeWithin(node);
    },
    // Hidden elements take their children with them; a shown child of a
    // hidden parent stays hidden, as visibility is inherited.
    visible({ id, visible }) {
      const { node } = element(id);
      node.classList.toggle("hidden", !visible);
      if (visible) wakeWithin(node);
    },
    stack({ id, z }) {
      element(id).node.style.zIndex = String(z);
    },
    background({ id, color }) {
      element(id).node.style.backgroundColor = color;
    },
    picture({ id, url }) {
      element(id).node.style.backgroundImage = url ? `url("${url}")` : "";
    },
    text({ id, text }) {
      const made = element(id);
      if (made.input) made.input.value = text;
      else (made.text ?? made.node).textContent = text;
    },
    countdown({ id, length }) {
      const { ring } = element(id);
      for (const running of ring.getAnimations()) running.cancel();
      ring.animate([{ strokeDashoffset: 0 }, { strokeDashoffset: kRingLength }], {
        duration: length,
        fill: "forwards",
      });
    },
    // A text box: the page's own input field inside the element, so that
    // keys, the caret and input methods work as anywhere else.
    editable({ id, maxLength }) {
      const made = element(id);
      const input = document.createElement("input");
      input.type = "text";
      if (maxLength > 0) input.maxLength = maxLength;
      input.value = made.node.textContent;
      made.node.textContent = "";
      made.node.appendChild(input);
      made.input = input;
      // After the click that gave the focus has placed the caret.
      input.addEventListener("focus", () => setTimeout(() => input.select()));
      input.addEventListener("input", () => send({ type: "edited", id, text: input.value }));
    },
    font({ id, family, size, bold, color }) {
      const { style } = element(id).node;
      style.fontFamily = family;
      style.fontSize = `${size}pt`;
      style.fontWeight = bold ? "bold" : "normal";
      style.color = color;
    },
    align({ id, alignment }) {
      element(id).node.style.textAlign = alignment;
    },
    load(command) {
      command.received = performance.now();
      const slot = element(command.id);
      // The old movie falls silent and still at once.
      if (slot.player) {
        slot.player.movieLoad = -1;
        slot.player.ruffle().suspend();
        slot.watching = false;
      }
      Object.assign(slot, {
        load: command.load,
        paused: command.paused,
        frameRate: command.frameRate,
        frameCount: command.frameCount,
        frame: 0,
        silence: 0,
        ticks: 0,
        reported: false,
        told: false,
        drawn: false,
      });
      forgetPicture(slot);
      // A batch often loads a slot several times over (a blank page, a menu,
      // then the verse); only the last load of the batch makes a player.
      if (!slot.pendingLoad) queueMicrotask(() => startPendingLoad(slot));
      slot.pendingLoad = command;
    },
    // Answers once every load given so far has ended and the players have
    // drawn: a loaded player starts on the next display frame and draws on
    // the one after. Loads start once their batch has run.
    whenDrawn() {
      setTimeout(async () => {
        await Promise.allSettled([...loadsInFlight]);
        const frame = () => new Promise((done) => frames.displayFrame(done));
        for (let i = 0; i < 3; i += 1) await frame();
        send({ type: "drawn" });
      });
    },
    unload({ id }) {
      const slot = element(id);
      dropPlayer(slot);
      slot.pendingLoad = null;
      slot.load = -1;
    },
    play({ id }) {
      const slot = element(id);
      slot.paused = false;
      slot.resting = false;
      unstill(slot);
      slot.player?.ruffle().resume();
      frames.answerHeld();
      if (slot.reported) listen(slot);
    },
    stop({ id }) {
      const slot = element(id);
      slot.paused = true;
      slot.watching = false;
      slot.resting = false;
      slot.player?.ruffle().suspend();
    },
  };

  function run(command) {
    try {
      commands[command.op](command);
    } catch (error) {
      console.error(`${command.op}: ${error.message}`);
    }
  }

  // Mouse input on the window and its own elements (a movie handles its own). The
  // button mask is 1 left, 2 right, 4 middle; shift 1, ctrl 2, alt 4;
  // positions are pixels from the element's top left corner.
  const pressedButton = [1, 4, 2];

  function mouse(action, event, button, pressedOn = null) {
    // The window's own background is the root, "".
    const node = pressedOn ?? event.target.closest?.(".element, #root");
    if (!node || node.closest(".movie")) return;
    const box = node.getBoundingClientRect();
    send({
      type: "mouse",
      id: node === root ? "" : node.dataset.id,
      action,
      button,
      shift: (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0),
      x: event.clientX - box.left,
      y: event.clientY - box.top,
    });
  }

  let pendingMove = null;
  // A release goes to the element the button was pressed on, wherever the pointer is then.
  let pressedOn = null;
  root.addEventListener("mousedown", (e) => {
    pressedOn = e.target.closest?.(".element, #root") ?? null;
    mouse("down", e, pressedButton[e.button] || 0);
  });
  document.addEventListener("mouseup", (e) => {
    if (pressedOn) mouse("up", e, pressedButton[e.button] || 0, pressedOn);
    pressedOn = null;
  });
  root.addEventListener("mousemove", (e) => {
    // At most one move per animation frame.
    if (!pendingMove) {
      frames.displayFrame(() => {
        mouse("move", pendingMove, pendingMove.buttons & 7);
        pendingMove = null;
      });
    }
    pendingMove = e;
  });
  // The second click of a double click is the double click, not another click.
  root.addEventListener("click", (e) => e.detail < 2 && mouse("click", e, 1));
  root.addEventListener("dblclick", (e) => mouse("dblclick", e, 1));
  root.addEventListener("contextmenu", (e) => e.preventDefault());
  // A pointer that leaves the window tells the document, not the movie it was over.
  document.addEventListener("mouseleave", () => {
    for (const slot of movies) {
      if (!slot.pointerInside) continue;
      slot.pointerInside = false;
      wake(slot);
    }
  });

  new QWebChannel(qt.webChannelTransport, (channel) => {
    bridge = channel.objects.bridge;
    bridge.commands.connect((batch) => batch.forEach(run));
    send({ type: "ready" });
  });
})();
