#!/usr/bin/env python3
"""A phone's browser against the station: Chromium (headless, through
chromium-driver, a phone's 390x844 touch screen) opens the page that
orelle-kiosk --phone-session serves. Between the browser and the station
sits a relay that can break off or hold uploads. Scenarios:

photos: 20 photos (JPEGs, a HEIC, a PNG, one of 30 MB) are sent as they
  are chosen, "已上传 20 张", "完成"; the kiosk places the order, whose files
  name every photo, and the page shows the order's number as its last
  answer. The relay breaks off the first upload of one photo half-way: the
  page's retry completes it. Meanwhile hostile clients on other addresses
  attack the station: slow request lines, crowds of idle connections,
  multipart bodies and lying lengths; each is refused, and the page goes on.
wait: "完成" on the phone before anything is sent sends what is chosen;
  the station's own "完成" (its wait running out) comes while the relay
  holds the last photo half-way: the station says it waits, the photo
  arrives and is in the order, and the phone hears that its photos are
  taken.
ended: "完成" with nothing sent is refused; a text file and a photo over
  50 MB are refused with their reasons; a photo whose every upload breaks
  off is retried for 20 to 30 s, then sent again with one tap; the
  station ends the visit when its wait runs out, and the link ([privacy]
  phonelink=2) dies two minutes after it was shown: the page says so, and
  any address of the station answers one small ended page.

Usage: phone_browser_test.py KIOSK PROGRAM_DIR [SCENARIO] [--shots DIR] [--jpeg-only-load]
Exits 77 (skipped) without chromium, chromium-driver or python3-selenium,
unless CI is set. --jpeg-only-load: the folder load of this build takes
only JPEGs, so the HEIC and the PNG reach the session but not the job.
--shots DIR keeps the phone's screens there.
"""
import os, re, select, urllib.error, urllib.request, shutil, socket, subprocess, sys, tempfile, threading, time, zlib, struct

SKIP = 77


def skip_or_fail(why):
    print(why)
    sys.exit(1 if os.environ.get("CI") else SKIP)


def png_bytes(w, h):
    raw = b"".join(b"\0" + b"".join(bytes(((x * 7 + y) % 256, (y * 3) % 256, 128)) for x in range(w))
                   for y in range(h))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


class Relay:
    """Forwards connections to the station; the first upload whose name
    holds CUT is cut off after half its body (every one while `always`);
    one whose name holds HOLD waits after half its body until `release`
    is set."""

    def __init__(self, target_port, cut, hold=None, always=False):
        self.target, self.cut, self.done_cut = target_port, cut, False
        self.hold, self.held, self.release = hold, threading.Event(), threading.Event()
        self.always = always
        self.sock = socket.socket()
        self.sock.bind(("127.0.0.1", 0))
        self.sock.listen(64)
        self.port = self.sock.getsockname()[1]
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        while True:
            client, _ = self.sock.accept()
            threading.Thread(target=self.serve, args=(client,), daemon=True).start()

    def serve(self, client):
        head = b""
        while b"\r\n\r\n" not in head:
            piece = client.recv(65536)
            if not piece:
                break
            head += piece
        if not head:
            client.close()
            return
        server = socket.create_connection(("127.0.0.1", self.target))
        line = head.split(b"\r\n", 1)[0].decode("latin-1")
        cut_here = (self.always or not self.done_cut) and line.startswith("POST") and (
            self.cut in line or (self.hold and self.hold in line))
        if cut_here:
            self.done_cut = True
            length = int(re.search(rb"(?i)content-length: *(\d+)", head).group(1))
            end = head.index(b"\r\n\r\n") + 4
            budget = end + length // 2
            sent = 0
            data = head
            while sent < budget and data:
                part, data = data[: budget - sent], data[budget - sent:]
                server.sendall(part)
                sent += len(part)
                if not data and sent < budget:
                    data = client.recv(65536)
            if self.hold and self.hold in line:
                self.held.set()
                self.release.wait()
                server.sendall(data)
                threading.Thread(target=self.pump, args=(client, server), daemon=True).start()
                self.pump(server, client)
                return
            print("relay: cut", line.split(" ")[1][:60], "at", length // 2, "of", length)
            server.close()
            client.close()
            return
        server.sendall(head)
        threading.Thread(target=self.pump, args=(client, server), daemon=True).start()
        self.pump(server, client)

    @staticmethod
    def pump(src, dst):
        try:
            while True:
                data = src.recv(65536)
                if not data:
                    break
                dst.sendall(data)
        except OSError:
            pass
        for s in (src, dst):
            try:
                s.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass


class Attack:
    """Hostile clients, each from an address of its own on the loopback net,
    until stopped: 16 request lines sent a byte a second, 40 idle
    connections opened again as the station ends them, and uploads sent as
    a form or with a length that lies, each of which must be refused."""

    def __init__(self, port, page):
        self.port, self.stop = port, threading.Event()
        body = b"\xff\xd8\xff" + bytes(2000)
        post = b"POST %sphoto?name=x.jpg HTTP/1.1\r\nHost: x\r\n" % page.encode()
        length = b"Content-Length: %d\r\n" % len(body)
        # A lying length reaches the session, which may be busy.
        form = b"Content-Type: multipart/form-data; boundary=b\r\n"
        self.lies = [(post + form + length + b"\r\n" + body, {415}),
                     (post + length + length + b"\r\n" + body, {400}),
                     (post + length + b"\r\n" + body + b"tail", {400, 503})]
        self.answers = [[] for _ in self.lies]
        self.threads = [threading.Thread(target=f, daemon=True)
                        for f in [self.slow] * 16 + [self.crowd, self.lie]]
        for t in self.threads:
            t.start()

    def connect(self, source):
        return socket.create_connection(("127.0.0.1", self.port), source_address=(source, 0))

    def slow(self):
        while not self.stop.is_set():
            with self.connect("127.0.0.2") as s:
                try:
                    for byte in b"GET / HTTP/1.1\r\nHost: x\r\n\r\n":
                        if s.send(bytes([byte])) and self.stop.wait(1):
                            break
                except OSError:
                    pass  # ended by the station: open another

    def crowd(self):
        held = []
        while not self.stop.wait(0.5):
            held += [self.connect("127.0.0.3") for _ in range(40 - len(held))]
            for s in select.select(held, [], [], 0)[0]:
                held.remove(s)
                s.close()
        for s in held:
            s.close()

    def lie(self):
        while not self.stop.wait(0.2):
            for (request, _), answers in zip(self.lies, self.answers):
                with self.connect("127.0.0.4") as s:
                    s.sendall(request)
                    answers.append(int(s.makefile("rb").read()[9:12] or 0))

    def end(self):
        self.stop.set()
        for t in self.threads:
            t.join()
        for (request, allowed), got in zip(self.lies, self.answers):
            assert got and set(got) <= allowed and min(allowed) in got, (request[:120], got)
        print("attack: refused", [len(got) for got in self.answers])


class Kiosk:
    """orelle-kiosk on its own copy of the shipped settings, the page served
    on the loopback address; its output lines as they come."""

    def __init__(self, kiosk, program, work, args, link_minutes=30):
        config = os.path.join(work, "config")
        shutil.copytree(os.path.join(program, "sysini"), os.path.join(config, "sysini"))
        for name in os.listdir(program):
            if name.endswith(".ini"):
                shutil.copy(os.path.join(program, name), config)
        param = open(os.path.join(config, "param.ini"), "rb").read()
        self.backup = os.path.join(work, "backup")
        param = param.replace(b"[Lumora-backup]\r\n",
                              b"[Lumora-backup]\r\ndir=" + self.backup.encode() + b"\r\n", 1)
        param = param.replace(b"[phone]\r\n",
                              b"[phone]\r\nenabled=1\r\naddress=127.0.0.1\r\nport=0\r\n", 1)
        param = param.replace(b"phonelink=30\r\n", b"phonelink=%d\r\n" % link_minutes, 1)
        open(os.path.join(config, "param.ini"), "wb").write(param)
        self.err = os.path.join(work, "kiosk.err")
        self.run = subprocess.Popen([kiosk, "--config", config, "--phone-session"] + args,
                                    stdout=subprocess.PIPE, stderr=open(self.err, "w"), text=True,
                                    env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        self.lines, self.heard = [], threading.Condition()
        threading.Thread(target=self.read, daemon=True).start()
        first = self.line("phone ")
        m = re.fullmatch(r"phone (http://127\.0\.0\.1:(\d+)(/[0-9a-f]{32}/))", first)
        assert m, "no address: " + first
        self.port, self.page = int(m.group(2)), m.group(3)

    def read(self):
        for text in self.run.stdout:
            with self.heard:
                self.lines.append(text.strip())
                self.heard.notify_all()
        with self.heard:
            self.lines.append(None)
            self.heard.notify_all()

    def line(self, start, timeout=180):
        with self.heard:
            assert self.heard.wait_for(
                lambda: None in self.lines or any(l.startswith(start) for l in self.lines), timeout)
            found = [l for l in self.lines if l is not None and l.startswith(start)]
            assert found, "no '%s' line: %s" % (start, self.lines)
            return found[0]

    def end(self):
        code = self.run.wait(timeout=180)
        print("\n".join(l for l in self.lines if l) + "\n" + open(self.err).read())
        assert code == 0, "the kiosk failed"

    def photo_ini(self, expected):
        ini = [os.path.join(r, "photo.ini") for r, _, fs in os.walk(self.backup)
               if "photo.ini" in fs]
        assert len(ini) == 1, ini
        text = open(ini[0], "rb").read().decode("gbk")
        assert "photonumb=%d" % expected in text, text[:400]
        names = re.findall(r"srcName=(.*)\r", text)
        assert len(names) == expected and all(os.path.exists(n) for n in names), names
        left = [f for _, _, fs in os.walk(os.path.join(self.backup, "phone")) for f in fs]
        assert not left, "the session's files are left: %s" % left
        return text


def phone_photos(program, work, count):
    samples = os.path.join(work, "samples")
    subprocess.run([os.path.join(program, "orelle-make-samples"), samples], check=True,
                   stdout=subprocess.DEVNULL, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    jpegs = sorted(os.path.join(r, f) for r, _, fs in os.walk(samples) for f in fs
                   if f.lower().endswith(".jpg"))
    phone = os.path.join(work, "phone")
    os.makedirs(phone)
    photos = []
    for i, src in enumerate(jpegs[:count]):
        photos.append(os.path.join(phone, "IMG_%04d.JPG" % (i + 1)))
        shutil.copy(src, photos[-1])
    return photos


def scenario_photos(ctx):
    photos = phone_photos(ctx.program, ctx.work, 18)
    big = photos[17]
    with open(big, "ab") as f:  # a camera's large photo: data after the picture
        f.write(os.urandom(30 * 1024 * 1024 - os.path.getsize(big)))
    png = os.path.join(ctx.work, "phone", "Screenshot.png")
    open(png, "wb").write(png_bytes(320, 240))
    heic = os.path.join(ctx.work, "phone", "IMG_0100.HEIC")
    subprocess.run(["heif-enc", "-q", "50", "-o", heic, png], check=True,
                   stdout=subprocess.DEVNULL)
    photos += [png, heic]
    kiosk = ctx.kiosk(["--phone-wait", "300", "--place-order", "--member", "M01"])
    relay = Relay(kiosk.port, "name=" + os.path.basename(photos[3]))
    browser = ctx.open("http://127.0.0.1:%d%s" % (relay.port, kiosk.page))
    browser.find_element(ctx.By.ID, "photos").send_keys("\n".join(photos))
    attack = Attack(kiosk.port, kiosk.page)
    status = browser.find_element(ctx.By.ID, "status")
    ctx.until(lambda: status.text == "已上传 20 张")
    attack.end()
    assert relay.done_cut, "the relay cut nothing"
    ctx.shot("photos-sent")
    browser.find_element(ctx.By.ID, "done").click()
    order = browser.find_element(ctx.By.ID, "order")
    ctx.until(lambda: order.text.startswith("订单号 "))
    ctx.shot("last-answer")
    kiosk.end()
    placed = kiosk.line("order ")
    assert order.text == "订单号 " + placed.split()[1], (order.text, placed)
    assert re.fullmatch(r"共 \d+ 张", browser.find_element(ctx.By.ID, "prints").text)
    expected = 18 if ctx.jpeg_only else 20
    assert "img_0004.jpg" in kiosk.photo_ini(expected).lower()  # the phone's name, kept
    # The answer was the page's last: the link is gone with the order.
    print("ok: %d photos in %s" % (expected, placed))


def scenario_wait(ctx):
    photos = phone_photos(ctx.program, ctx.work, 4)
    browser = ctx.open("about:blank")
    kiosk = ctx.kiosk(["--phone-wait", "10", "--place-order", "--member", "M01"])
    relay = Relay(kiosk.port, "\0", hold="name=IMG_0004")
    browser.get("http://127.0.0.1:%d%s" % (relay.port, kiosk.page))
    browser.find_element(ctx.By.ID, "photos").send_keys("\n".join(photos))
    browser.find_element(ctx.By.ID, "done").click()  # before they are sent
    note = browser.find_element(ctx.By.ID, "note")
    assert note.text == "照片正在上传,传完后自动完成", note.text
    ctx.shot("done-before-sent")
    print(kiosk.line("phone waiting"))
    assert relay.held.is_set(), "the station waits for nothing"
    ctx.shot("station-waits")
    relay.release.set()
    message = browser.find_element(ctx.By.ID, "message")
    ctx.until(lambda: message.text.startswith("机器已收到 4 张") or message.text == "下单成功")
    if message.text != "下单成功":
        ctx.shot("photos-taken")
    order = browser.find_element(ctx.By.ID, "order")
    ctx.until(lambda: order.text.startswith("订单号 "))
    kiosk.end()
    kiosk.photo_ini(4)
    print("ok: the photo on its way is in", kiosk.line("order "))


def scenario_ended(ctx):
    photos = phone_photos(ctx.program, ctx.work, 2)
    broken = os.path.join(ctx.work, "phone", "Broken.jpg")
    os.rename(photos[1], broken)
    text = os.path.join(ctx.work, "phone", "notes.jpg")
    open(text, "w").write("not a photo")
    big = os.path.join(ctx.work, "phone", "big.jpg")
    with open(big, "wb") as f:
        f.truncate(51 * 1024 * 1024)
    browser = ctx.open("about:blank")
    kiosk = ctx.kiosk([], link_minutes=2)
    relay = Relay(kiosk.port, "name=Broken", always=True)
    browser.get("http://127.0.0.1:%d%s" % (relay.port, kiosk.page))
    By = ctx.By
    pick = browser.find_element(By.ID, "pick")
    assert pick.text == "选择照片" and not browser.find_element(By.ID, "photos").is_displayed()
    ctx.shot("choose")
    browser.find_element(By.ID, "done").click()
    note = browser.find_element(By.ID, "note")
    assert note.text == "还没有上传照片", note.text
    ctx.shot("done-refused")
    start = time.monotonic()
    browser.find_element(By.ID, "photos").send_keys("\n".join([text, big, photos[0], broken]))
    states = lambda: [e.text for e in browser.find_elements(By.CSS_SELECTOR, "li .state")]
    ctx.until(lambda: states()[3] == "上传失败,请检查手机的网络", 90)
    tried = time.monotonic() - start
    assert 20 <= tried <= 45, tried
    assert states()[:3] == ["只能上传照片(JPEG、HEIC、PNG)", "照片太大,每张最多 50 MB", "已上传"]
    ctx.shot("failed-photo")
    relay.always, relay.cut = False, "\0"
    browser.find_elements(By.CSS_SELECTOR, "li button.again")[-1].click()
    ctx.until(lambda: browser.find_element(By.ID, "status").text == "已上传 2 张")
    message = browser.find_element(By.ID, "message")
    ctx.until(lambda: message.text == "本次传照片已结束,请重新扫描机器上的二维码", 200)
    ctx.shot("session-ended")
    browser.refresh()
    assert browser.find_element(By.ID, "ended").text == message.text
    ctx.shot("ended-page")
    assert kiosk.run.poll() is None, "the station is gone"
    pages = {}
    for path in (kiosk.page, kiosk.page + "status", "/favicon.ico", "/" + "0" * 32 + "/"):
        for language in ("zh-CN,zh;q=0.9", "en-US,en;q=0.9"):
            request = urllib.request.Request("http://127.0.0.1:%d%s" % (kiosk.port, path),
                                             headers={"Accept-Language": language})
            try:
                urllib.request.urlopen(request, timeout=30)
                raise AssertionError(path + " is served")
            except urllib.error.HTTPError as e:
                assert e.code == 410, (path, e.code)
                pages.setdefault(language, set()).add(e.read())
    assert all(len(p) == 1 for p in pages.values()), pages
    assert b"scan the QR code" in next(iter(pages["en-US,en;q=0.9"]))
    kiosk.run.kill()
    print("ok: the ended link answers one page")


class Context:
    def __init__(self, kiosk_path, program, work, shots, jpeg_only, webdriver, Service, By,
                 WebDriverWait, chromium, driver_path):
        self.kiosk_path, self.program, self.work, self.shots = kiosk_path, program, work, shots
        self.jpeg_only, self.By, self.Wait = jpeg_only, By, WebDriverWait
        self.webdriver, self.Service = webdriver, Service
        self.chromium, self.driver_path = chromium, driver_path
        self.browser = self.station = None
        self.prefix = ""

    def kiosk(self, args, link_minutes=30):
        self.station = Kiosk(self.kiosk_path, self.program, self.work, args, link_minutes)
        return self.station

    def open(self, address):
        options = self.webdriver.ChromeOptions()
        options.binary_location = self.chromium
        for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-default-apps", "--disable-sync", "--no-first-run",
                  "--metrics-recording-only", "--window-size=390,844", "--lang=zh-CN",
                  "--user-data-dir=" + os.path.join(self.work, "chromium"),
                  "--crash-dumps-dir=" + os.path.join(self.work, "crashes")):
            options.add_argument(a)
        self.browser = self.webdriver.Chrome(service=self.Service(self.driver_path),
                                             options=options)
        # A phone's screen: its size, and touch.
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
        self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                     {"enabled": True, "maxTouchPoints": 5})
        self.browser.get(address)
        return self.browser

    def until(self, condition, seconds=180):
        self.Wait(self.browser, seconds).until(lambda _: condition())

    def shot(self, name):
        if self.shots:
            self.browser.save_screenshot(os.path.join(self.shots, self.prefix + name + ".png"))


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        print(__doc__)
        return 2
    kiosk, program = args[0], args[1]
    scenario = args[2] if len(args) > 2 and not args[2].startswith("--") else "photos"
    shots = args[args.index("--shots") + 1] if "--shots" in args else None
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    driver_path = shutil.which("chromedriver")
    if not chromium or not driver_path:
        skip_or_fail("chromium and chromium-driver are needed")
    try:
        from selenium import webdriver
        from selenium.webdriver.chrome.service import Service
        from selenium.webdriver.common.by import By
        from selenium.webdriver.support.ui import WebDriverWait
    except ImportError:
        skip_or_fail("python3-selenium is needed")

    work = tempfile.mkdtemp(prefix="orelle-phone-")
    # The kiosk's and the browser's home, settings, caches and crash reports
    # go with the work folder, never into the user's home.
    for name, folder in (("HOME", ""), ("XDG_CONFIG_HOME", ".config"), ("XDG_CACHE_HOME", ".cache"),
                         ("XDG_DATA_HOME", ".local/share"), ("XDG_STATE_HOME", ".local/state")):
        os.environ[name] = os.path.join(work, "home", folder)
        os.makedirs(os.environ[name], exist_ok=True)
    ctx = Context(kiosk, program, work, shots, "--jpeg-only-load" in args, webdriver, Service, By,
                  WebDriverWait, chromium, driver_path)
    ctx.prefix = scenario + "-"
    try:
        {"photos": scenario_photos, "wait": scenario_wait, "ended": scenario_ended}[scenario](ctx)
        return 0
    finally:
        if ctx.browser:
            ctx.browser.quit()
        if ctx.station and ctx.station.run.poll() is None:
            ctx.station.run.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
