#!/usr/bin/env python3
"""Plays the game's page in headless Chromium as a player would, through the
DevTools protocol on a pipe, and leaves what it saw in a folder for
tests/e2e/web.sh to judge: idle.png (10 s with no input), engine.png and
engine-later.png (about 0.6 s and 1.8 s after F2 was pressed;
engine-seconds.txt says how long after, each), steered.png (the picture
settled after two moves right and Up held, and steered-tics.txt the tics run
by then), record.txt (the page's recording of every tic's input, to the end
of the tables), table-*.txt (the game's x, from the page's recording, for
the picture's x 0 220 221 419 420 639 under the pointer: in a 640x480 and a
1280x720 window, and full screen by the page's button on 1280x720 and
1024x768; under a finger on a 390x844 phone, x:buttons while it touches and
the buttons once lifted), layout.txt (the canvas's box in 1280x720,
1920x1080 and 390x844 windows), ended.txt (the page's words after Escape),
again.txt (the game playing again after its Play again button),
requests.txt (every URL asked for) and pictures.txt (pictures a second the
game handed the page), first-seconds.txt (from opening the page to its
first picture). The page is opened with ?record.
With --first-picture it only opens the page, and leaves first.png (a second
after the first picture), first-seconds.txt and requests.txt.
usage: web_player.py URL FOLDER [--first-picture]"""
import base64
import math
import os
import sys
import time

from chromium import evaluate, requests, send, wait_until
import chromium

url, folder, first_only = sys.argv[1], sys.argv[2], sys.argv[3:] == ["--first-picture"]
chromium.start(folder, 640, 480)


def screenshot(name):
    shot = send("Page.captureScreenshot", format="png",
                clip={"x": 0, "y": 0, "width": 640, "height": 480, "scale": 1})
    with open(os.path.join(folder, name), "wb") as f:
        f.write(base64.b64decode(shot["data"]))


def key(name, code, held=0.2):
    """Pressed and held as a hand holds it: the game reads the keys held."""
    for kind in ("keyDown", "keyUp"):
        send("Input.dispatchKeyEvent", type=kind, key=name, code=name, windowsVirtualKeyCode=code,
             nativeVirtualKeyCode=code)
        time.sleep(held if kind == "keyDown" else 0)


def settled(name):
    """Screenshots until two a second apart are the same picture."""
    screenshot(name)
    for _ in range(30):
        time.sleep(1)
        before = open(os.path.join(folder, name), "rb").read()
        screenshot(name)
        if open(os.path.join(folder, name), "rb").read() == before:
            return
    sys.exit(f"{name}: the picture did not settle in 30 s")


# The pictures handed to the page: the game asks for one animation frame a picture.
send("Page.addScriptToEvaluateOnNewDocument", source="""
  window.pictures = 0;
  const request = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = function (f) { window.pictures++; return request(f); };""")
opened = time.monotonic()
send("Page.navigate", url=url)
wait_until("window.pictures > 0", 60)
with open(os.path.join(folder, "first-seconds.txt"), "w") as f:
    f.write(f"{time.monotonic() - opened:.2f}\n")
if first_only:
    # Opened as a file: the first picture, what was asked for.
    time.sleep(1)
    screenshot("first.png")
    with open(os.path.join(folder, "requests.txt"), "w") as f:
        f.write("".join(request + "\n" for request in requests))
    chromium.close()
    sys.exit(0)
started = time.monotonic()
time.sleep(10)
screenshot("idle.png")
pictures = evaluate("window.pictures")
seconds = time.monotonic() - started
with open(os.path.join(folder, "pictures.txt"), "w") as f:
    f.write(f"{pictures / seconds:.1f}\n")

# F2, and two pictures of the engine view 0.6 s and 1.8 s after the press,
# both in the swing's first half, where each picture is one tic's; each
# picture's time is the middle of its capture.
pressed = time.monotonic()
key("F2", 113)
since = []
for name, at in (("engine.png", 0.6), ("engine-later.png", 1.8)):
    time.sleep(max(0.0, pressed + at - time.monotonic()))
    before = time.monotonic()
    screenshot(name)
    since.append((before + time.monotonic()) / 2 - pressed)
with open(os.path.join(folder, "engine-seconds.txt"), "w") as f:
    f.write(" ".join(f"{s:.3f}" for s in since) + "\n")
key("F1", 112)
# Two moves, as a hand makes: the first may only say where the pointer came in.
for x in (590, 600):
    send("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=240)
    time.sleep(0.2)
key("ArrowUp", 38, held=0.15)


def recorded_lines():
    return evaluate("FS.readFile('/record.txt', {encoding: 'utf8'}).split('\\n').filter(l => l)") or []


settled("steered.png")
with open(os.path.join(folder, "steered-tics.txt"), "w") as f:
    f.write(f"{len(recorded_lines())}\n")


def canvas_box():
    """The canvas on the page as [width, height, left, top], in CSS pixels."""
    return evaluate("(r => [r.width, r.height, r.x, r.y])(document.getElementById('canvas')"
                    ".getBoundingClientRect())")


def table(name, put, lift=None):
    """The picture's x under the pointer (or a finger), put on the middle of
    each pixel at x 0 220 221 419 420 639 through the canvas's scale on the
    page, against the x the game read two tics later. A finger's place is a
    whole CSS pixel (the page gets touches so): it goes to the whole pixel
    at or left of that middle, and the game then reads the picture's x under that
    point, and the buttons while it touches (x:buttons) and once lifted.
    Writes the picture's x under each place, then what the game read."""
    width, height, left, top = canvas_box()
    under, read = [], []
    for x in (0, 220, 221, 419, 420, 639):
        at = left + (x + 0.5) * width / 640
        at = math.floor(at) if lift else at
        under.append(str(int((at - left) * 640 / width)))
        for step in (put, lift) if lift else (put,):
            step(at, top + 240.5 * height / 480)
            count = len(recorded_lines())
            wait_until(f"FS.readFile('/record.txt', {{encoding: 'utf8'}}).split('\\n').length > {count + 2}", 30)
            line = recorded_lines()[-1].split()
            read.append(line[0] if not lift else (f"{line[0]}:{line[1]}" if step is put else line[1]))
    with open(os.path.join(folder, f"table-{name}.txt"), "w") as f:
        f.write(" ".join(under) + "\n" + " ".join(read) + "\n")


def pointer_table(name):
    table(name, lambda x, y: send("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y))


def viewport(width, height, mobile=False):
    """The window's size, and two animation frames for the page to handle
    its resize (Chromium tells the page at its next frame)."""
    send("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1, mobile=mobile)
    wait_until(f"window.innerWidth == {width} && window.innerHeight == {height}", 30)
    send("Runtime.evaluate", awaitPromise=True,
         expression="new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))")


def click(selector):
    box = evaluate(f"(r => [r.x + r.width / 2, r.y + r.height / 2])(document.querySelector('{selector}')"
                   ".getBoundingClientRect())")
    for kind in ("mousePressed", "mouseReleased"):
        send("Input.dispatchMouseEvent", type=kind, x=box[0], y=box[1], button="left", clickCount=1)


pointer_table("640x480")
# The picture fills the window: its box on the page in three windows, and
# the steering through the scale of the first, in the page and full screen.
layout = []
for width, height, mobile in ((1280, 720, False), (1920, 1080, False), (390, 844, True)):
    viewport(width, height, mobile)
    layout.append(f"{width}x{height} " + " ".join(f"{n:g}" for n in canvas_box()))
with open(os.path.join(folder, "layout.txt"), "w") as f:
    f.write("".join(line + "\n" for line in layout))
# A phone held upright: a finger on the picture steers by its x and drives
# (the left button) while it touches.
send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=1)
table("touch-390x844",
      lambda x, y: send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}]),
      lambda x, y: send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[]))
send("Emulation.setTouchEmulationEnabled", enabled=False)
viewport(1280, 720)
pointer_table("1280x720")
for width, height in ((1280, 720), (1024, 768)):
    viewport(width, height)
    evaluate("document.getElementById('fullscreen').scrollIntoView()")
    click("#fullscreen")
    wait_until(f"document.fullscreenElement !== null && "
               f"document.fullscreenElement.getBoundingClientRect().width == {width} && "
               f"document.getElementById('canvas').getBoundingClientRect().height == {height}", 30)
    pointer_table(f"full-screen-{width}x{height}")
    evaluate("document.exitFullscreen()")
    wait_until("document.fullscreenElement === null", 30)
evaluate("window.scrollTo(0, 0)")
viewport(640, 480)
with open(os.path.join(folder, "record.txt"), "w") as f:
    f.write("".join(line + "\n" for line in recorded_lines()))

key("Escape", 27)
wait_until("!document.getElementById('ended').hidden", 30)
with open(os.path.join(folder, "ended.txt"), "w") as f:
    f.write(evaluate("document.getElementById('ended').innerText").replace("\n", " ") + "\n")
with open(os.path.join(folder, "requests.txt"), "w") as f:
    f.write("".join(request + "\n" for request in requests))
# Play again: the page starts the game anew.
evaluate("window.pictures = 0")
click("#again")
wait_until("window.pictures > 0 && document.getElementById('ended').hidden", 60)
with open(os.path.join(folder, "again.txt"), "w") as f:
    f.write("playing\n")
chromium.close()
