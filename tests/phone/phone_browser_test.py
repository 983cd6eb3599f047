#!/usr/bin/env python3
"""A phone's browser against the station: Chromium (headless, through
chromium-driver) opens the page orelle-kiosk --phone-session serves,
chooses 20 photos (JPEGs, a HEIC, a PNG, one of 30 MB), sends them, sees
"已上传 20 张" and presses "完成"; the kiosk then places the order, whose
files name every photo. Between the browser and the station sits a relay
that breaks off the first upload of one photo half-way: the page's retry
completes it.

Usage: phone_browser_test.py KIOSK PROGRAM_DIR [--shot FILE] [--jpeg-only-load]
Exits 77 (skipped) without chromium, chromium-driver or python3-selenium,
unless CI is set. --jpeg-only-load: the folder load of this build takes
only JPEGs, so the HEIC and the PNG reach the session but not the job.
"""
import os, re, shutil, socket, subprocess, sys, tempfile, threading, time, zlib, struct

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
    holds CUT is cut off after half its body."""

    def __init__(self, target_port, cut):
        self.target, self.cut, self.done_cut = target_port, cut, False
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
        server = socket.create_connection(("127.0.0.1", self.target))
        head = b""
        while b"\r\n\r\n" not in head:
            piece = client.recv(65536)
            if not piece:
                break
            head += piece
        line = head.split(b"\r\n", 1)[0].decode("latin-1")
        cut_here = not self.done_cut and line.startswith("POST") and self.cut in line
        if cut_here:
            self.done_cut = True
            length = int(re.search(rb"(?i)content-length: *(\d+)", head).group(1))
            end = head.index(b"\r\n\r\n") + 4
            budget = end + length // 2
            sent = 0
            data = head
            while sent < budget and data:
                part = data[: budget - sent]
                server.sendall(part)
                sent += len(part)
                data = client.recv(65536) if sent < budget else b""
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


def main():
    args = sys.argv[1:]
    if len(args) < 2:
        print(__doc__)
        return 2
    kiosk, program = args[0], args[1]
    shot = args[args.index("--shot") + 1] if "--shot" in args else None
    jpeg_only = "--jpeg-only-load" in args
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
    kiosk_run = browser = None
    try:
        # The shipped settings, with the backup root and the page's address here.
        config = os.path.join(work, "config")
        shutil.copytree(os.path.join(program, "sysini"), os.path.join(config, "sysini"))
        for name in os.listdir(program):
            if name.endswith(".ini"):
                shutil.copy(os.path.join(program, name), config)
        param = open(os.path.join(config, "param.ini"), "rb").read()
        backup = os.path.join(work, "backup")
        param = param.replace(b"[Lumora-backup]\r\n",
                              b"[Lumora-backup]\r\ndir=" + backup.encode() + b"\r\n", 1)
        param = param.replace(b"[phone]\r\n",
                              b"[phone]\r\nenabled=1\r\naddress=127.0.0.1\r\nport=0\r\n", 1)
        open(os.path.join(config, "param.ini"), "wb").write(param)

        # 20 photos: 17 JPEGs of the sample card, one of 30 MB, a HEIC, a PNG.
        samples = os.path.join(work, "samples")
        subprocess.run([os.path.join(program, "orelle-make-samples"), samples], check=True,
                       stdout=subprocess.DEVNULL, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        jpegs = sorted(os.path.join(r, f) for r, _, fs in os.walk(samples) for f in fs
                       if f.lower().endswith(".jpg"))
        phone = os.path.join(work, "phone")
        os.makedirs(phone)
        photos = []
        for i, src in enumerate(jpegs[:18]):
            dst = os.path.join(phone, "IMG_%04d.JPG" % (i + 1))
            shutil.copy(src, dst)
            photos.append(dst)
        big = photos[17]
        with open(big, "ab") as f:  # a camera's large photo: data after the picture
            f.write(os.urandom(30 * 1024 * 1024 - os.path.getsize(big)))
        png = os.path.join(phone, "Screenshot.png")
        open(png, "wb").write(png_bytes(320, 240))
        heic = os.path.join(phone, "IMG_0100.HEIC")
        subprocess.run(["heif-enc", "-q", "50", "-o", heic, png], check=True,
                       stdout=subprocess.DEVNULL)
        photos += [png, heic]
        cut_name = os.path.basename(photos[3])

        kiosk_run = subprocess.Popen(
            [kiosk, "--config", config, "--phone-session", "--phone-wait", "300", "--place-order",
             "--member", "M01"],
            stdout=subprocess.PIPE, stderr=open(os.path.join(work, "kiosk.err"), "w"), text=True,
            env=dict(os.environ, QT_QPA_PLATFORM="offscreen"))
        first = kiosk_run.stdout.readline().strip()
        m = re.fullmatch(r"phone (http://127\.0\.0\.1:(\d+)(/[0-9a-f]{32}/))", first)
        assert m, "no address: " + first
        relay = Relay(int(m.group(2)), "name=" + cut_name)

        options = webdriver.ChromeOptions()
        options.binary_location = chromium
        for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                  "--disable-background-networking", "--disable-component-update",
                  "--disable-default-apps", "--disable-sync", "--no-first-run",
                  "--metrics-recording-only", "--window-size=390,844", "--lang=zh-CN",
                  "--user-data-dir=" + os.path.join(work, "chromium")):
            options.add_argument(a)
        browser = webdriver.Chrome(service=Service(driver_path), options=options)
        browser.get("http://127.0.0.1:%d%s" % (relay.port, m.group(3)))
        browser.find_element(By.ID, "photos").send_keys("\n".join(photos))
        browser.find_element(By.ID, "send").click()
        status = browser.find_element(By.ID, "status")
        WebDriverWait(browser, 180).until(lambda _: status.text == "已上传 20 张")
        assert relay.done_cut, "the relay cut nothing"
        if shot:
            browser.save_screenshot(shot)
        browser.find_element(By.ID, "done").click()

        out, _ = kiosk_run.communicate(timeout=180)
        print(first + "\n" + out + open(os.path.join(work, "kiosk.err")).read())
        assert kiosk_run.returncode == 0, "the kiosk failed"
        placed = re.search(r"order (\S+) placed", out)
        assert placed, "no order placed"
        ini = [os.path.join(r, "photo.ini") for r, _, fs in os.walk(backup) if "photo.ini" in fs]
        assert len(ini) == 1, ini
        text = open(ini[0], "rb").read().decode("gbk")
        expected = 18 if jpeg_only else 20
        assert "photonumb=%d" % expected in text, text[:400]
        names = re.findall(r"srcName=(.*)\r", text)
        assert len(names) == expected and all(os.path.exists(n) for n in names), names
        assert "img_0004.jpg" in text.lower()  # the phone's name, kept as origName
        left = [f for _, _, fs in os.walk(os.path.join(backup, "phone")) for f in fs]
        assert not left, "the session's files are left: %s" % left
        print("ok: %d photos in order %s" % (expected, placed.group(1)))
        return 0
    finally:
        if browser:
            browser.quit()
        if kiosk_run and kiosk_run.poll() is None:
            kiosk_run.kill()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
