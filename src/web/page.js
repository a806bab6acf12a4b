// SPDX-License-Identifier: GPL-3.0-or-later
// Zephra's page: one element per control of the window model, placed and coloured as the model says, user
// actions sent to the model one at a time, and what the model changed brought back after each. The run
// timer's ticks come back at the screen's pace: the page mirrors and paints at most once an animation frame.
"use strict";

const FORMS = ["main", "farewell"];
const ACTION = { press: 0, click: 1, focus: 2, dblclick: 3, text: 4, value: 5 };
const TIMERS = [0, 1, 2]; // Ti, TiF, Tr
const MOST_PERIODS_MADE_UP = 50; // beyond this a backlog of periods (a tab in the background) is dropped
// The controls that open web pages, with the pointing hand.
const LINKS = new Set(["ImMoon", "CDwww", "Command2", "Command3", "Command5", "Picture1"]);
const DOWNLOAD_HINT = " - in the browser, the \u201cSave data-drift.txt\u201d button below the window downloads it.";

const page = {
  elements: [[], []], // by form, by control id
  states: [[], []],
  mirroring: false, // DOM events caused by mirroring are no user's
  dialogs: [],
  timers: TIMERS.map(() => ({ generation: -1, enabled: false, start: 0, served: 0, interval: 1 })),
  frameDue: false,
  ended: false,
  savedDriftSize: 0, // bytes of the drift file when it was last downloaded
};

var Module = {
  page: {
    messageBox(text, title) {
      page.dialogs.push({ text, title });
      if (page.dialogs.length === 1) showDialog();
    },
    quit() {
      page.ended = true;
      for (const f of FORMS) document.getElementById(f).hidden = true;
      document.getElementById("ended").hidden = false;
    },
  },
  onRuntimeInitialized() {
    Module._zephra_start();
    for (let f = 0; f < 2; ++f) build(f, JSON.parse(Module.UTF8ToString(Module._zephra_controls(f))));
    mirrorNow();
    const rate = page.elements[0].find((e, id) => page.states[0][id].name === "Optim" && page.states[0][id].index === 3);
    if (rate) rate.querySelector("input").focus({ preventScroll: true });
    document.getElementById("status").textContent = "";
    document.body.dataset.ready = "true";
    schedule();
  },
};

// ---- Building and mirroring ----

function build(form, states) {
  const root = document.getElementById(FORMS[form]);
  for (const s of states) page.elements[form][s.id] = create(form, s);
  for (const s of states) {
    const parent = s.container >= 0 ? page.elements[form][s.container] : root;
    parent.appendChild(page.elements[form][s.id]);
  }
  for (const s of states) mirror(form, s);
}

function create(form, s) {
  let e;
  const act = (action, text = "") => userAction(form, s.id, action, text);
  switch (s.kind) {
    case "button":
      e = document.createElement("button");
      e.addEventListener("click", () => act(ACTION.press));
      break;
    case "check":
    case "option": {
      e = document.createElement("label");
      const input = document.createElement("input");
      input.type = s.kind === "check" ? "checkbox" : "radio";
      e.append(input, document.createElement("span"));
      input.addEventListener("click", () => act(ACTION.click));
      input.addEventListener("focus", () => act(ACTION.focus));
      break;
    }
    case "text":
      e = document.createElement(s.multiLine ? "textarea" : "input");
      e.spellcheck = false;
      e.addEventListener("input", () => act(ACTION.text, e.value));
      e.addEventListener("dblclick", () => act(ACTION.dblclick));
      break;
    case "label":
      e = document.createElement("div");
      e.classList.add("label");
      e.addEventListener("mousedown", () => act(ACTION.click));
      break;
    case "image":
      e = document.createElement("canvas");
      e.addEventListener("mousedown", () => act(ACTION.click));
      break;
    case "frame":
      e = document.createElement("div");
      e.classList.add("frame");
      e.appendChild(document.createElement("span")).classList.add("legend");
      break;
    case "scroll":
      e = document.createElement("input");
      e.type = "range";
      e.addEventListener("change", () => act(ACTION.value, e.value));
      break;
    case "shape":
      e = document.createElement("div");
      e.classList.add("shape");
      break;
    case "line":
      e = document.createElement("div");
      break;
  }
  e.classList.add("c");
  e.dataset.name = s.name;
  e.dataset.index = s.index;
  if (LINKS.has(s.name)) e.classList.add("link");
  if (e.tagName === "BUTTON" || e.tagName === "INPUT" || e.tagName === "TEXTAREA")
    e.addEventListener("focus", () => act(ACTION.focus));
  return e;
}

// The window's line breaks are carriage returns; the model hands them over as new lines.
function mirror(form, s) {
  const e = page.elements[form][s.id];
  page.states[form][s.id] = s;
  e.hidden = !s.visible;
  if (s.kind !== "line") Object.assign(e.style, { left: s.x + "px", top: s.y + "px", width: s.w + "px", height: s.h + "px" });
  e.title = s.name === "CHfile" ? s.tip + DOWNLOAD_HINT : s.tip;
  e.className = e.className.replace(/\bf-\w+/g, "").trim() + " f-" + s.font;
  e.style.color = s.fore;
  e.style.backgroundColor = s.kind === "shape" || s.kind === "line" || (s.kind === "label" && s.transparent) ? "transparent" : s.back;
  e.classList.toggle("disabled", !s.enabled);
  const input = e.tagName === "LABEL" ? e.firstChild : e;
  if ("disabled" in input) input.disabled = !s.enabled;
  switch (s.kind) {
    case "button":
      e.textContent = s.caption;
      break;
    case "check":
      e.lastChild.textContent = s.caption;
      input.checked = s.value === 1;
      input.indeterminate = s.value === 2;
      break;
    case "option":
      e.lastChild.textContent = s.caption;
      input.checked = s.value !== 0;
      break;
    case "text":
      // Setting an unchanged text would move the cursor under the user's hands.
      if (e.value !== s.text) e.value = s.text;
      e.readOnly = s.locked;
      e.style.textAlign = s.align;
      break;
    case "label":
      e.textContent = s.caption;
      e.style.textAlign = s.align;
      break;
    case "frame":
      e.firstChild.textContent = s.caption;
      e.firstChild.style.backgroundColor = s.back;
      e.classList.toggle("bordered", s.bordered);
      break;
    case "scroll":
      Object.assign(e, { min: s.min, max: s.max, step: s.small });
      e.value = s.value;
      break;
    case "shape":
      e.style.borderColor = s.border;
      e.style.backgroundColor = s.fill;
      break;
    case "line":
      Object.assign(e.style, {
        left: Math.min(s.x1, s.x2) + "px", top: Math.min(s.y1, s.y2) + "px",
        width: Math.max(1, Math.abs(s.x2 - s.x1)) + "px", height: Math.max(1, Math.abs(s.y2 - s.y1)) + "px",
        backgroundColor: s.fore,
      });
      break;
    case "image":
      if (!e.drawn) drawPicture(e, s);
      break;
  }
}

function mirrorNow() {
  page.mirroring = true;
  for (let f = 0; f < 2; ++f) {
    for (const s of JSON.parse(Module.UTF8ToString(Module._zephra_changes(f)))) mirror(f, s);
    document.getElementById(FORMS[f]).hidden = page.ended || !Module._zephra_form_visible(f);
    const focused = Module._zephra_focused(f);
    const e = focused >= 0 ? page.elements[f][focused] : null;
    const target = e && (e.tagName === "LABEL" ? e.firstChild : e);
    if (target && target !== document.activeElement && target.offsetParent !== null) target.focus({ preventScroll: true });
  }
  page.mirroring = false;
  paint();
  updateDownload();
}

let paintedGeneration = -1;
function paint() {
  const generation = Module._zephra_surface_generation();
  if (generation === paintedGeneration) return;
  paintedGeneration = generation;
  const pointer = Module._zephra_surface_rgba();
  const pixels = new Uint8ClampedArray(Module.HEAPU8.buffer, pointer, 1024 * 768 * 4);
  document.getElementById("surface").getContext("2d").putImageData(new ImageData(pixels, 1024, 768), 0, 0);
}

// Artwork for the picture controls, drawn at their sizes: the start picture, a night sky with a pale moon;
// the farewell window's starship against the stars.
function drawPicture(canvas, s) {
  canvas.width = s.w;
  canvas.height = s.h;
  const g = canvas.getContext("2d");
  g.fillStyle = "#000010";
  g.fillRect(0, 0, s.w, s.h);
  let seed = 7;
  const random = () => ((seed = (seed * 16807) % 2147483647) / 2147483647);
  for (let k = 0; k < s.w * s.h / 400; ++k) {
    g.fillStyle = `rgba(255,255,255,${0.3 + 0.7 * random()})`;
    g.fillRect(random() * s.w, random() * s.h, 1, 1);
  }
  if (s.name === "ImMoon") {
    const moon = g.createRadialGradient(s.w * 0.45, s.h * 0.4, 10, s.w / 2, s.h / 2, s.h * 0.32);
    moon.addColorStop(0, "#f4f0dc");
    moon.addColorStop(1, "#6d6a5a");
    g.fillStyle = moon;
    g.beginPath();
    g.arc(s.w / 2, s.h / 2, s.h * 0.32, 0, 2 * Math.PI);
    g.fill();
  } else {
    g.fillStyle = "#b8c4d8";
    g.beginPath();
    g.ellipse(s.w / 2, s.h * 0.45, s.w * 0.08, s.h * 0.3, 0, 0, 2 * Math.PI);
    g.fill();
    g.fillStyle = "#ff9b40";
    g.beginPath();
    g.moveTo(s.w / 2 - s.w * 0.05, s.h * 0.75);
    g.lineTo(s.w / 2, s.h * 0.9);
    g.lineTo(s.w / 2 + s.w * 0.05, s.h * 0.75);
    g.fill();
  }
  canvas.drawn = true;
}

// ---- Events ----

function userAction(form, id, action, text) {
  if (page.mirroring || page.ended || page.dialogs.length) return;
  Module.ccall("zephra_user_action", null, ["number", "number", "number", "string"], [form, id, action, text]);
  syncTimers();
  mirrorNow();
}

function syncTimers() {
  const now = performance.now();
  for (const t of TIMERS) {
    const generation = Module._zephra_timer_generation(t);
    const timer = page.timers[t];
    if (generation === timer.generation) continue;
    Object.assign(timer, {
      generation, enabled: !!Module._zephra_timer_enabled(t), interval: Math.max(1, Module._zephra_timer_interval(t)),
      start: now, served: 0,
    });
  }
}

// Each timer fires the periods its interval has owed since it started, so a run keeps its rate whatever the
// browser's own timer granularity; a period owed while a message box is open is skipped.
function pump() {
  if (page.ended) return;
  syncTimers();
  let ticked = false;
  for (const t of TIMERS) {
    const timer = page.timers[t];
    if (!timer.enabled || page.dialogs.length) continue;
    const due = Math.floor((performance.now() - timer.start) / timer.interval);
    const owed = Math.min(due - timer.served, MOST_PERIODS_MADE_UP);
    if (owed <= 0) continue;
    timer.served = Math.max(timer.served + owed, due - MOST_PERIODS_MADE_UP);
    const fired = Module._zephra_fire(t, owed);
    syncTimers();
    // The run timer's ticks are mirrored at the next frame; the others' periods at once.
    if (fired > 0 && t === 0) ticked = true;
    else if (fired > 0) mirrorNow();
  }
  if (ticked && !page.frameDue) {
    page.frameDue = true;
    requestAnimationFrame(() => {
      page.frameDue = false;
      if (!page.dialogs.length) mirrorNow();
    });
  }
  schedule();
}

function schedule() {
  const now = performance.now();
  let wait = 100;
  for (const timer of page.timers)
    if (timer.enabled) wait = Math.min(wait, timer.start + (timer.served + 1) * timer.interval - now);
  setTimeout(pump, Math.max(0, wait));
}

// ---- Message boxes: modal, and the timers wait for them ----

function showDialog() {
  const { text, title } = page.dialogs[0];
  mirrorNow();
  document.getElementById("message-title").textContent = title;
  document.getElementById("message-text").textContent = text;
  document.getElementById("message").showModal();
}

document.getElementById("message").addEventListener("close", () => {
  page.dialogs.shift();
  Module._zephra_dialog_closed();
  if (page.dialogs.length) return showDialog();
  // The ticks owed while it was open are not made up.
  for (const timer of page.timers) timer.generation = -1;
  syncTimers();
  mirrorNow();
});

// ---- The drift file: in the page's memory, downloaded on request, not lost by a reload unasked ----

function driftText() {
  return Module.UTF8ToString(Module._zephra_drift_file());
}

function updateDownload() {
  document.getElementById("download").disabled = Module._zephra_drift_size() === 0;
}

document.getElementById("download").addEventListener("mousedown", (event) => event.preventDefault());
document.getElementById("download").addEventListener("click", () => {
  const text = driftText();
  const link = document.createElement("a");
  link.href = URL.createObjectURL(new Blob([text], { type: "text/plain" }));
  link.download = "data-drift.txt";
  link.click();
  URL.revokeObjectURL(link.href);
  page.savedDriftSize = Module._zephra_drift_size();
});

window.addEventListener("beforeunload", (event) => {
  if (page.ended || !Module._zephra_drift_size || Module._zephra_drift_size() === page.savedDriftSize) return;
  event.preventDefault();
  event.returnValue = "";
});
