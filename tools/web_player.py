#!/usr/bin/env python3
"""Plays the game's page in headless Chromium as a player would, through the
DevTools protocol on a pipe, and leaves what it saw in a folder for
tests/e2e/web.sh to judge: idle.png (10 s with no input), engine.png and
engine-later.png (about 0.6 s and 1.8 s after F2 was pressed;
engine-seconds.txt says how long after, each), steered.png (the picture settled after two moves right and Up held, and
steered-tics.txt the tics run by then), record.txt (the page's recording
of every tic's input, to the end of the tables),
table-*.txt (the game's x, from the page's recording, for the picture's
x 0 220 221 419 420 639 under the pointer: at 640x480, and full screen by the
page's button on 1280x720 and 1024x768), ended.txt (the page's line after
Escape), requests.txt (every URL asked for) and pictures.txt (pictures a
second the game handed the page). The page is opened with ?record.
usage: web_player.py URL FOLDER"""
import base64
import json
import os
import subprocess
import sys
import time

url, folder = sys.argv[1], sys.argv[2]
to_browser_r, to_browser_w = os.pipe()
from_browser_r, from_browser_w = os.pipe()
# Chromium reads the protocol from its fd 3 and writes to its fd 4.
browser = subprocess.Popen(
    ["setpriv", "--pdeathsig", "KILL", "--", "chromium", "--headless", "--no-sandbox",
     "--remote-debugging-pipe", "--hide-scrollbars", "--mute-audio", "--no-first-run",
     "--disable-background-timer-throttling", "--disable-renderer-backgrounding",
     "--user-data-dir=" + os.path.join(folder, "profile"), "about:blank"],
    pass_fds=(3, 4), stdin=subprocess.DEVNULL,
    stdout=open(os.path.join(folder, "chromium.log"), "w"), stderr=subprocess.STDOUT,
    preexec_fn=lambda: [os.dup2(fd, target) for fd, target in
                        ((os.dup(to_browser_r), 3), (os.dup(from_browser_w), 4))])
os.close(to_browser_r)
os.close(from_browser_w)
incoming = os.fdopen(from_browser_r, "rb")
outgoing = os.fdopen(to_browser_w, "wb")
requests, pending, next_id = [], b"", 0
session = None


def receive():
    global pending
    while b"\0" not in pending:
        chunk = incoming.read1(65536)
        if not chunk:
            sys.exit("chromium ended; its log is chromium.log")
        pending += chunk
    message, pending = pending.split(b"\0", 1)
    message = json.loads(message)
    if message.get("method") == "Network.requestWillBeSent":
        requests.append(message["params"]["request"]["url"])
    return message


def send(method, **params):
    global next_id
    next_id += 1
    message = {"id": next_id, "method": method, "params": params}
    if session and not method.startswith("Target."):
        message["sessionId"] = session
    outgoing.write(json.dumps(message).encode() + b"\0")
    outgoing.flush()
    while True:
        reply = receive()
        if reply.get("id") == next_id:
            if "error" in reply:
                sys.exit(f"{method}: {reply['error']}")
            return reply.get("result", {})


def evaluate(expression):
    return send("Runtime.evaluate", expression=expression, returnByValue=True)["result"].get("value")


def wait_until(expression, seconds):
    until = time.monotonic() + seconds
    while not evaluate(expression):
        if time.monotonic() > until:
            sys.exit(f"waited {seconds} s for {expression}")
        time.sleep(0.05)


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


target = send("Target.createTarget", url="about:blank")["targetId"]
session = send("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
send("Network.enable")
send("Page.enable")
send("Emulation.setDeviceMetricsOverride", width=640, height=480, deviceScaleFactor=1, mobile=False)
# The pictures handed to the page: the game asks for one animation frame a picture.
send("Page.addScriptToEvaluateOnNewDocument", source="""
  window.pictures = 0;
  const request = window.requestAnimationFrame.bind(window);
  window.requestAnimationFrame = function (f) { window.pictures++; return request(f); };""")
send("Page.navigate", url=url)
wait_until("window.pictures > 0", 60)
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


def pointer_table(name, width, height):
    """The picture's x under the pointer, put on the middle of each pixel
    through the scale and letterbox a width x height viewport gives it,
    against the x the game read two tics later."""
    scale = min(width / 640, height / 480)
    left, top = (width - 640 * scale) / 2, (height - 480 * scale) / 2
    read = []
    for x in (0, 220, 221, 419, 420, 639):
        send("Input.dispatchMouseEvent", type="mouseMoved", x=left + (x + 0.5) * scale, y=top + 240.5 * scale)
        count = len(recorded_lines())
        wait_until(f"FS.readFile('/record.txt', {{encoding: 'utf8'}}).split('\\n').length > {count + 2}", 30)
        read.append(recorded_lines()[-1].split()[0])
    with open(os.path.join(folder, f"table-{name}.txt"), "w") as f:
        f.write(" ".join(read) + "\n")


def click(selector):
    box = evaluate(f"(r => [r.x + r.width / 2, r.y + r.height / 2])(document.querySelector('{selector}')"
                   ".getBoundingClientRect())")
    for kind in ("mousePressed", "mouseReleased"):
        send("Input.dispatchMouseEvent", type=kind, x=box[0], y=box[1], button="left", clickCount=1)


pointer_table("640x480", 640, 480)
for width, height in ((1280, 720), (1024, 768)):
    send("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1, mobile=False)
    click("#fullscreen")
    wait_until(f"document.fullscreenElement !== null && "
               f"document.fullscreenElement.getBoundingClientRect().width == {width}", 30)
    pointer_table(f"full-screen-{width}x{height}", width, height)
    evaluate("document.exitFullscreen()")
    wait_until("document.fullscreenElement === null", 30)
send("Emulation.setDeviceMetricsOverride", width=640, height=480, deviceScaleFactor=1, mobile=False)
with open(os.path.join(folder, "record.txt"), "w") as f:
    f.write("".join(line + "\n" for line in recorded_lines()))

key("Escape", 27)
wait_until("!document.getElementById('ended').hidden", 30)
with open(os.path.join(folder, "ended.txt"), "w") as f:
    f.write(evaluate("document.getElementById('ended').textContent") + "\n")
with open(os.path.join(folder, "requests.txt"), "w") as f:
    f.write("".join(request + "\n" for request in requests))
send("Browser.close")
browser.wait(30)
