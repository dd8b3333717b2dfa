#!/usr/bin/env python3
"""Measures the game's page in headless Chromium: over SECONDS (after five
to settle), the steps a second (from the page's recording of each tic's
input), the pictures the game handed over a second and the animation frames
a second, the frames that painted no new picture and the most of them in a
row, the pictures handed over in a frame that already had one (drawn, never
seen), and from the browser's own timestamp of each key press and pointer
move to the picture that first shows it, median and 95th percentile (the
picture shown when the frame that paints it is followed by the next). Keys
and moves come every 0.2 to 0.3 s. Prints one line of figures.
usage: measure_page.py URL FOLDER SECONDS   (URL with ?record)"""
import random
import statistics
import sys
import time

from chromium import evaluate, send, wait_until
import chromium

url, folder, seconds = sys.argv[1], sys.argv[2], float(sys.argv[3])
chromium.start(folder, 640, 480)
# Every animation frame, by the first of its callbacks to run (all of one
# frame's callbacks get its time); each picture when drawn on the canvas
# (its first drawing call since the game last asked for an animation frame,
# which it does once a picture, right after it), with the frame that paints
# it: the frame whose callback (the game's) is running, or else the next;
# and each key press and pointer move, before the game's own listeners.
send("Page.addScriptToEvaluateOnNewDocument", source="""
  const m = window.measure = {frames: [], pictures: [], events: [], running: -1};
  window.pictures = 0;
  const request = window.requestAnimationFrame.bind(window);
  function enter(t) {
    if (m.frames[m.frames.length - 1] !== t)
      m.frames.push(t);
    return m.frames.length - 1;
  }
  function watch(t) { enter(t); request(watch); }
  request(watch);
  let drawn = null;
  const contexts = [window.WebGLRenderingContext, window.WebGL2RenderingContext, window.CanvasRenderingContext2D];
  for (const context of contexts.filter(c => c))
    for (const name of ['drawArrays', 'drawElements', 'putImageData', 'drawImage'].filter(n => context.prototype[n])) {
      const real = context.prototype[name];
      context.prototype[name] = function (...args) {
        drawn = drawn || [performance.now(), m.running >= 0 ? m.running : m.frames.length];
        return real.apply(this, args);
      };
    }
  window.requestAnimationFrame = function (f) {
    window.pictures++;
    m.pictures.push(drawn || [performance.now(), m.running >= 0 ? m.running : m.frames.length]);
    drawn = null;
    return request(t => { m.running = enter(t); f(t); m.running = -1; });
  };
  for (const kind of ['keydown', 'mousemove'])
    window.addEventListener(kind, e => m.events.push([kind, e.timeStamp, m.pictures.length]), true);""")
send("Page.navigate", url=url)
wait_until("window.pictures > 0", 60)
time.sleep(5)


def recorded():
    return evaluate("FS.readFile('/record.txt', {encoding: 'utf8'}).split('\\n').length")


evaluate("measure.frames.length = 0, measure.pictures.length = 0, measure.events.length = 0, measure.running = -1")
steps_before, started = recorded(), time.monotonic()
x = 320
while time.monotonic() - started < seconds:
    time.sleep(random.uniform(0.2, 0.3))
    if random.random() < 0.5:
        for kind in ("keyDown", "keyUp"):
            send("Input.dispatchKeyEvent", type=kind, key="ArrowUp", code="ArrowUp", windowsVirtualKeyCode=38,
                 nativeVirtualKeyCode=38)
    else:
        x = 330 if x == 310 else 310
        send("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=240)
steps, elapsed = recorded() - steps_before, time.monotonic() - started
frames, pictures, events = evaluate("[measure.frames, measure.pictures, measure.events]")
chromium.close()

painted = [0] * (len(frames) + 1)
for _, frame in pictures:
    painted[frame] += 1
counted = painted[1:len(frames) - 1] # the first and last frames are partly outside
empty = sum(1 for n in counted if n == 0)
run = most = 0
for n in counted:
    run = run + 1 if n == 0 else 0
    most = max(most, run)
lost = sum(n - 1 for n in counted if n > 1)
delays = {"keydown": [], "mousemove": []}
for kind, at, first in events:
    if first < len(pictures) and pictures[first][1] + 1 < len(frames):
        delays[kind].append(frames[pictures[first][1] + 1] - at)


def spread(values):
    if len(values) < 2:
        return "-"
    values = sorted(values)
    return f"{statistics.median(values):.1f} ({values[len(values) * 95 // 100]:.1f})"


span = (frames[-1] - frames[0]) / 1000
print(f"steps/s {steps / elapsed:.1f} pictures/s {len(pictures) / span:.1f} frames/s {len(frames) / span:.1f} "
      f"frames-without {empty} of {len(counted)} most-in-a-row {most} unseen {lost} "
      f"key-ms {spread(delays['keydown'])} move-ms {spread(delays['mousemove'])}")
