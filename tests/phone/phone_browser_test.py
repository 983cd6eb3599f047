#!/usr/bin/env python3
"""A phone's browser against the station: Chromium (headless, through
chromium-driver, a phone's 390x844 touch screen) opens the page that
orelle-kiosk --phone-session serves, through a relay that can break off or
hold uploads. Scenarios:
photos: 20 photos (JPEGs, a HEIC, a PNG, one of 30 MB) sent as chosen,
  one broken off half-way and retried, while hostile clients attack the
  station; "完成": the order names every photo, the page shows its number.
wait: "完成" on the phone before anything is sent; the station's "完成"
  while a photo is held half-way waits for it; the phone hears the end.
ended: refusals with their reasons, retries for 20-30 s then one tap,
  and the link's death ([privacy] phonelink=2): one ended page everywhere.

Usage: phone_browser_test.py KIOSK PROGRAM_DIR [SCENARIO] [--shots DIR] [--jpeg-only-load]
Exits 77 (skipped) without chromium, chromium-driver or python3-selenium,
unless CI is set. --jpeg-only-load: the folder load of this build takes
only JPEGs, so the HEIC and the PNG reach the session but not the job.
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
    """orelle-kiosk on a copy of the shipped settings, serving on the
    loopback address; its output lines as they come."""

    def __init__(self, kiosk, program, work, args, link_minutes=30):
        config = os.path.join(work, "config")
        shutil.copytree(os.path.join(program, "sysini"), os.path.join(config, "sysini"))
        for name in os.listdir(program):
            if name.endswith(".ini"):
                shutil.copy(os.path.join(program, name), config)
        param = open(os.path.join(config, "param.ini"), "rb").read()
        self.backup = os.path.join(work, "backup")
        for old, new in ((b"[Lumora-backup]\r\n", b"dir=" + self.backup.encode() + b"\r\n"),
                         (b"[phone]\r\n", b"enabled=1\r\naddress=127.0.0.1\r\nport=0\r\n")):
            param = param.replace(old, old + new, 1)
        param = param.replace(b"phonelink=30", b"phonelink=%d" % link_minutes, 1)
        open(os.path.join(config, "param.ini"), "wb").write(param)
        self.err = os.path.join(work, "kiosk.err")
        self.run = subprocess.Popen([kiosk, "--config", config, "--phone-session"] + args,
                                    stdout=subprocess.PIPE, stderr=open(self.err, "w"), text=True,
                                    env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        self.lines, self.heard = [], threading.Condition()
        threading.Thread(target=self.read, daemon=True).start()
        m = re.fullmatch(r"phone http://127\.0\.0\.1:(\d+)(/[0-9a-f]{32}/)", self.line("phone "))
        self.port, self.page = int(m.group(1)), m.group(2)

    def read(self):
        for text in self.run.stdout:
            self.add(text.strip())
        self.add(None)

    def add(self, line):
        with self.heard:
            self.lines.append(line)
            self.heard.notify_all()

    def line(self, start):
        with self.heard:
            self.heard.wait_for(lambda: None in self.lines or
                                any(l.startswith(start) for l in self.lines if l), 180)
            found = [l for l in self.lines if l and l.startswith(start)]
            assert found, "no '%s' line: %s %s" % (start, self.lines, open(self.err).read())
            return found[0]

    def photo_ini(self, expected):
        assert self.run.wait(timeout=180) == 0, open(self.err).read()
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


def phone_photos(t, count):
    samples, phone = os.path.join(t.work, "samples"), os.path.join(t.work, "phone")
    subprocess.run([os.path.join(t.program, "orelle-make-samples"), samples], check=True,
                   stdout=subprocess.DEVNULL, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
    jpegs = sorted(os.path.join(r, f) for r, _, fs in os.walk(samples) for f in fs
                   if f.lower().endswith(".jpg"))
    os.makedirs(phone)
    for i, src in enumerate(jpegs[:count]):
        shutil.copy(src, os.path.join(phone, "IMG_%04d.JPG" % (i + 1)))
    return [os.path.join(phone, "IMG_%04d.JPG" % (i + 1)) for i in range(count)]


def scenario_photos(t):
    photos = phone_photos(t, 18)
    with open(photos[17], "ab") as f:  # a camera's large photo: data after the picture
        f.write(os.urandom(30 * 1024 * 1024 - os.path.getsize(photos[17])))
    png = os.path.join(t.work, "phone", "Screenshot.png")
    open(png, "wb").write(png_bytes(320, 240))
    heic = os.path.join(t.work, "phone", "IMG_0100.HEIC")
    subprocess.run(["heif-enc", "-q", "50", "-o", heic, png], check=True,
                   stdout=subprocess.DEVNULL)
    photos += [png, heic]
    kiosk = t.start(["--phone-wait", "300", "--place-order", "--member", "M01"])
    relay = Relay(kiosk.port, "name=" + os.path.basename(photos[3]))
    t.go("http://127.0.0.1:%d%s" % (relay.port, kiosk.page), photos)
    attack = Attack(kiosk.port, kiosk.page)
    t.until(lambda: t.text("status") == "已上传 20 张")
    attack.end()
    assert relay.done_cut, "the relay cut nothing"
    t.find("done").click()
    t.until(lambda: t.text("order").startswith("订单号 "))
    t.shot("last-answer")
    placed = kiosk.line("order ")
    assert t.text("order") == "订单号 " + placed.split()[1] and t.text("prints").startswith("共 ")
    assert t.find("qr").get_attribute("src").startswith("data:image/png;base64,")  # the number's code
    expected = 18 if t.jpeg_only else 20
    assert "img_0004.jpg" in kiosk.photo_ini(expected).lower()  # the phone's name, kept
    print("ok: %d photos in %s" % (expected, placed))


def scenario_wait(t):
    photos = phone_photos(t, 4)
    kiosk = t.start(["--phone-wait", "5", "--place-order", "--member", "M01"])
    relay = Relay(kiosk.port, "\0", hold="name=IMG_0004")
    t.go("http://127.0.0.1:%d%s" % (relay.port, kiosk.page), photos)
    t.find("done").click()  # before they are sent
    assert t.text("note") == "照片正在上传,传完后自动完成", t.text("note")
    t.shot("done-before-sent")
    print(kiosk.line("phone waiting"))
    assert relay.held.is_set(), "the station waits for nothing"
    t.shot("station-waits")
    relay.release.set()
    t.until(lambda: t.text("message").startswith("机器已收到 4 张") or t.text("order"))
    t.shot("photos-taken")
    t.until(lambda: t.text("order").startswith("订单号 "))
    kiosk.photo_ini(4)


def scenario_ended(t):
    photos = phone_photos(t, 2)
    broken, text, big = (os.path.join(t.work, "phone", n) for n in ("Broken.jpg", "a.jpg", "b.jpg"))
    os.rename(photos[1], broken)
    open(text, "w").write("not a photo")
    os.truncate(open(big, "wb").name, 51 * 1024 * 1024)
    kiosk = t.start([], link_minutes=2)
    relay = Relay(kiosk.port, "name=Broken", always=True)
    t.go("http://127.0.0.1:%d%s" % (relay.port, kiosk.page), [])
    assert t.text("pick") == "选择照片" and not t.find("photos").is_displayed()
    t.shot("choose")
    t.find("done").click()
    assert t.text("note") == "还没有上传照片", t.text("note")
    t.shot("done-refused")
    start = time.monotonic()
    t.find("photos").send_keys("\n".join([text, big, photos[0], broken]))
    states = lambda: [e.text for e in t.browser.find_elements(t.By.CSS_SELECTOR, "li .state")]
    t.until(lambda: states()[3] == "上传失败,请检查手机的网络", 90)
    assert 20 <= time.monotonic() - start <= 45, time.monotonic() - start
    assert states()[:3] == ["只能上传照片(JPEG、HEIC、PNG)", "照片太大,每张最多 50 MB", "已上传"]
    t.shot("failed-photo")
    relay.always, relay.cut = False, "\0"
    t.browser.find_element(t.By.CSS_SELECTOR, "li button.again").click()
    t.until(lambda: t.text("status") == "已上传 2 张")
    ended = "本次传照片已结束,请重新扫描机器上的二维码"
    t.until(lambda: t.text("message") == ended, 200)
    t.shot("session-ended")
    # Opened again. The station serves anew as the visit's photos are taken:
    # a load as long as a busy machine makes it may find the port shut.
    def reopened():
        t.browser.get("http://127.0.0.1:%d%s" % (kiosk.port, kiosk.page))
        return t.browser.find_elements(t.By.ID, "ended")
    t.until(reopened, 30)
    t.shot("ended-page")
    assert t.text("ended") == ended, open(kiosk.err).read()
    pages = set()
    for path in (kiosk.page, kiosk.page + "status", "/favicon.ico", "/" + "0" * 32 + "/"):
        try:
            urllib.request.urlopen("http://127.0.0.1:%d%s" % (kiosk.port, path), timeout=30)
        except urllib.error.HTTPError as e:
            pages.add((e.code, e.read().decode()))
    assert len(pages) == 1 and ended in next(iter(pages))[1] and 410 in next(iter(pages)), pages


class Test:
    """The browser, the kiosk and the work folder of a scenario."""

    def __init__(self, **kw):
        self.__dict__.update(kw)
        self.station = None
        options = self.webdriver.ChromeOptions()
        options.binary_location = self.chromium
        for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-default-apps", "--disable-sync", "--no-first-run",
                  "--metrics-recording-only", "--window-size=390,844", "--lang=zh-CN",
                  "--user-data-dir=" + os.path.join(self.work, "chromium"),
                  "--crash-dumps-dir=" + os.path.join(self.work, "crashes")):
            options.add_argument(a)
        self.browser = self.webdriver.Chrome(service=self.Service(self.driver),
                                             options=options)
        # A phone's screen: its size, and touch.
        self.browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 390, "height": 844, "deviceScaleFactor": 1, "mobile": True})
        self.browser.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                     {"enabled": True, "maxTouchPoints": 5})
        self.browser.execute_cdp_cmd("Emulation.setUserAgentOverride", {  # a Chinese phone
            "userAgent": self.browser.execute_script("return navigator.userAgent"),
            "acceptLanguage": "zh-CN,zh;q=0.9"})

    def start(self, args, link_minutes=30):
        self.station = Kiosk(self.kiosk, self.program, self.work, args, link_minutes)
        return self.station

    def go(self, address, photos):
        self.browser.get(address)
        photos and self.find("photos").send_keys("\n".join(photos))

    def find(self, id):
        return self.browser.find_element(self.By.ID, id)

    def text(self, id):
        return self.find(id).text

    def until(self, condition, seconds=180):
        self.Wait(self.browser, seconds).until(lambda _: condition())

    def shot(self, name):
        if self.shots:
            self.browser.save_screenshot(os.path.join(self.shots, self.scenario + "-" + name + ".png"))


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        print(__doc__)
        return 2
    scenario = args[2] if len(args) > 2 and not args[2].startswith("--") else "photos"
    chromium = shutil.which("chromium") or shutil.which("chromium-browser")
    driver = shutil.which("chromedriver")
    if not chromium or not driver:
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
    t = None
    try:
        t = Test(kiosk=args[0], program=args[1], work=work, scenario=scenario,
                 shots=args[args.index("--shots") + 1] if "--shots" in args else None,
                 jpeg_only="--jpeg-only-load" in args, webdriver=webdriver, Service=Service,
                 By=By, Wait=WebDriverWait, chromium=chromium, driver=driver)
        {"photos": scenario_photos, "wait": scenario_wait, "ended": scenario_ended}[scenario](t)
        return 0
    finally:
        if t:
            t.browser.quit()
            if t.station and t.station.run.poll() is None:
                t.station.run.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
