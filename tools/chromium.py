"""Headless Chromium driven through the DevTools protocol on a pipe, for the
tools that play the game's page (web_player.py, measure_page.py): start it,
open a tab, send commands, evaluate script in the page, wait for a
condition, close it. Every URL the page asks for is kept in `requests`."""
import json
import os
import subprocess
import sys
import time

requests = []
browser = incoming = outgoing = session = None
pending, next_id = b"", 0


def start(folder, width, height):
    """Chromium with its profile and log in folder, and one tab of the
    given size, which the later commands go to."""
    global browser, incoming, outgoing, session
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
    target = send("Target.createTarget", url="about:blank")["targetId"]
    session = send("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
    send("Network.enable")
    send("Page.enable")
    send("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1, mobile=False)


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


def close():
    send("Browser.close")
    browser.wait(30)
