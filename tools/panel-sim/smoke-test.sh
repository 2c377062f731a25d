#!/usr/bin/env bash
# Smoke test for panel-sim: starts the simulator on a pseudo-terminal, talks to
# it like the host does and checks the replies, the dump file, the log and a
# few fault switches. Exits non-zero on any mismatch.
#
# Usage: smoke-test.sh [PATH-TO-panel-sim]   (default: $PANEL_SIM, then PATH)
#
# Every wait is bounded; the whole run is additionally capped by `timeout`.
set -euo pipefail

sim="${1:-${PANEL_SIM:-}}"
if [[ -z "$sim" ]]; then
    sim="$(command -v panel-sim || true)"
fi
if [[ -z "$sim" || ! -x "$sim" ]]; then
    echo "smoke-test: panel-sim executable not found (pass its path as the first argument)" >&2
    exit 2
fi

exec timeout --kill-after=5 60 python3 - "$sim" <<'PYTHON'
import os
import re
import select
import signal
import socket
import subprocess
import sys
import tempfile
import termios
import time
import tty

SIM = sys.argv[1]
TMP = tempfile.mkdtemp(prefix="panel-sim-smoke.")
failures = []
running = []

ACK = b"D000D"


def write_frame(address, value):
    return bytes([0x53, 0x00, address, 0x00, value, 0x44])


def read_frame(address):
    return bytes([0x56, 0x00, address, 0x30, 0x30, 0x56])


def check(condition, what, detail=""):
    print(("ok    " if condition else "FAIL  ") + what + (f"  ({detail})" if detail and not condition else ""))
    if not condition:
        failures.append(what)
    return condition


def wait_until(predicate, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if predicate():
            return True
        time.sleep(0.02)
    return predicate()


class Sim:
    def __init__(self, name, *args):
        self.name = name
        self.log = os.path.join(TMP, name + ".log")
        self.stderr_path = os.path.join(TMP, name + ".stderr")
        self.stderr = open(self.stderr_path, "w")
        self.proc = subprocess.Popen([SIM, "--log", self.log, *args],
                                     stdout=subprocess.PIPE, stderr=self.stderr)
        running.append(self.proc)
        self.device = self._first_line(timeout=5)

    def _first_line(self, timeout):
        line = b""
        end = time.monotonic() + timeout
        fd = self.proc.stdout.fileno()
        while not line.endswith(b"\n") and time.monotonic() < end:
            ready, _, _ = select.select([fd], [], [], max(0, end - time.monotonic()))
            if not ready:
                break
            chunk = os.read(fd, 256)
            if not chunk:
                break
            line += chunk
        return line.decode(errors="replace").strip()

    def log_text(self):
        with open(self.log, errors="replace") as f:
            return f.read()

    def stderr_text(self):
        with open(self.stderr_path, errors="replace") as f:
            return f.read()

    def wait_exit(self, timeout=3):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
        return self.wait_exit()


class Host:
    """The host side: the pty device opened and put in raw mode."""

    def __init__(self, device):
        self.fd = os.open(device, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        tty.setraw(self.fd)
        attrs = termios.tcgetattr(self.fd)
        attrs[3] &= ~termios.ECHO
        termios.tcsetattr(self.fd, termios.TCSANOW, attrs)

    def send(self, data):
        os.write(self.fd, data)

    def receive(self, count, timeout=2.0):
        """Reads until `count` bytes arrived, the line ends or the time is up."""
        data = b""
        end = time.monotonic() + timeout
        while len(data) < count:
            ready, _, _ = select.select([self.fd], [], [], max(0, end - time.monotonic()))
            if not ready:
                break
            try:
                chunk = os.read(self.fd, 256)
            except BlockingIOError:
                continue
            except OSError as e:  # EIO once the line is gone
                return data, e
            if not chunk:
                return data, EOFError()
            data += chunk
        return data, None

    def exchange(self, message, expected, what):
        self.send(message)
        got, _ = self.receive(len(expected))
        check(got == expected, what, f"got {got!r}, expected {expected!r}")

    def expect_nothing(self, what, window=0.3):
        got, _ = self.receive(1, timeout=window)
        check(got == b"", what, f"got {got!r}")

    def close(self):
        os.close(self.fd)


class NetHost(Host):
    """The host side over TCP: a connection to the address the simulator printed."""

    def __init__(self, address):
        host, port = address.split("://", 1)[1].rsplit(":", 1)
        self.sock = socket.create_connection((host, int(port)), timeout=2)
        self.sock.setblocking(False)
        self.fd = self.sock.fileno()

    def send(self, data):
        self.sock.sendall(data)

    def close(self):
        self.sock.close()


def dump_line(cells):
    return " ".join(str(v) for v in cells) + "\n"


def read_file(path):
    try:
        with open(path) as f:
            return f.read()
    except OSError:
        return None


def test_basic_traffic():
    print("-- plain panel: traffic, dump, log, link, reopen, signals")
    dump = os.path.join(TMP, "basic.cells")
    link = os.path.join(TMP, "panel-link")
    sim = Sim("basic", "--dump", dump, "--link", link)
    if not check(sim.device.startswith("/dev/pts/"), "first stdout line is the pty device", sim.device):
        return
    check(os.path.realpath(link) == sim.device, "--link points at the device")
    cells = [160] * 21
    check(read_file(dump) == dump_line(cells), "dump written at start", repr(read_file(dump)))

    host = Host(link)
    host.exchange(b"A", ACK, "attention -> D000D")
    host.exchange(write_frame(5, 23), ACK, "write 23 to 5 -> D000D")
    host.exchange(read_frame(5), b"0230\r", "read 5 -> 0230\\r")
    cells[5] = 23
    check(wait_until(lambda: read_file(dump) == dump_line(cells), 2), "dump shows 23 at address 5",
          repr(read_file(dump)))

    # A frame split over two writes, and two frames in one write.
    host.send(read_frame(5)[:3])
    time.sleep(0.05)
    host.exchange(read_frame(5)[3:], b"0230\r", "frame split across writes is answered once complete")
    host.exchange(write_frame(0, 0) + read_frame(0), ACK + b"0000\r", "two frames in one write")
    cells[0] = 0
    # Garbage and an address beyond 20 get no answer; the next frame still works.
    host.exchange(b"\x01\x02" + read_frame(21) + b"\x53\x00" + read_frame(20), b"1600\r",
                  "garbage and address 21 ignored, following read answered")
    host.exchange(write_frame(20, 255) + read_frame(20), ACK + b"2550\r", "value 255 at address 20")
    cells[20] = 255

    # The host may close and reopen the device; the panel keeps its state.
    host.close()
    host = Host(sim.device)
    host.exchange(read_frame(5), b"0230\r", "reopened device still answers")
    host.close()

    log = sim.log_text()
    check(re.search(r"^\s*\d+\.\d{3} RX 53 00 05 00 17 44$", log, re.M) is not None,
          "log has the write frame")
    check(re.search(r"^\s*\d+\.\d{3} TX 30 32 33 30 0D$", log, re.M) is not None,
          "log has the read reply")
    check("IGN 01 02" in log, "log has the ignored bytes")
    bad = [l for l in log.splitlines()
           if not re.match(r"^ *\d+\.\d{3} (RX|TX|IGN|FAULT|INFO|DUMP|ERR) ", l)]
    check(not bad, "every log line is '<time> <TAG> <text>'", repr(bad[:3]))

    sim.proc.send_signal(signal.SIGUSR1)
    check(wait_until(lambda: "DUMP " + dump_line(cells).strip() in sim.stderr_text(), 2),
          "SIGUSR1 dumps the cells to stderr", sim.stderr_text())
    check(sim.stop() == 0, "SIGTERM ends the run with status 0")
    check(not os.path.lexists(link), "--link removed on exit")


def test_cells_file():
    print("-- --cells")
    good = os.path.join(TMP, "good.cells")
    with open(good, "w") as f:
        f.write(", ".join(str(i) for i in range(21)) + "\n")
    sim = Sim("cells", "--cells", good)
    host = Host(sim.device)
    host.exchange(read_frame(7), b"0070\r", "value loaded from --cells")
    host.close()
    sim.stop()

    bad = os.path.join(TMP, "bad.cells")
    with open(bad, "w") as f:
        f.write("1 2 3\n")
    proc = subprocess.run([SIM, "--cells", bad], capture_output=True, timeout=5)
    check(proc.returncode == 2, "short --cells file -> exit status 2", proc.returncode)
    check(b"found 3" in proc.stderr, "error names the problem", proc.stderr)
    proc = subprocess.run([SIM, "--mute-from", "21"], capture_output=True, timeout=5)
    check(proc.returncode == 2, "bad address option -> exit status 2", proc.returncode)


def test_double_ack():
    print("-- --double-ack")
    sim = Sim("double", "--double-ack")
    host = Host(sim.device)
    host.exchange(b"A", ACK + ACK, "attention -> D000DD000D")
    host.exchange(read_frame(1), b"1600\r", "read reply is not doubled")
    host.close()
    check(sim.stop() == 0, "stops cleanly")


def test_silent():
    print("-- --silent")
    dump = os.path.join(TMP, "silent.cells")
    sim = Sim("silent", "--silent", "--dump", dump)
    host = Host(sim.device)
    host.send(b"A" + write_frame(2, 42))
    host.expect_nothing("no answer to attention or write")
    check(wait_until(lambda: "RX 41" in sim.log_text(), 2), "received bytes are still logged")
    check("FAULT silent" in sim.log_text(), "suppressed answers are logged as FAULT")
    check(wait_until(lambda: (read_file(dump) or "").split()[2:3] == ["42"], 2),
          "a silent panel still stores the write", repr(read_file(dump)))
    host.close()
    check(sim.stop() == 0, "stops cleanly")


def test_hangup():
    print("-- --hangup-at")
    link = os.path.join(TMP, "hangup-link")
    sim = Sim("hangup", "--hangup-at", "7", "--link", link)
    host = Host(link)
    host.exchange(read_frame(6), b"1600\r", "other addresses answered normally")
    host.send(write_frame(7, 1))
    got, err = host.receive(1, timeout=2)
    check(got == b"" and err is not None, "host sees end of file / I/O error", f"{got!r} {err!r}")
    check(sim.wait_exit() == 0, "simulator exits with status 0")
    check(not os.path.exists(sim.device), "device node is gone")
    check(not os.path.lexists(link), "--link removed")
    check("FAULT hangup-at 7" in sim.log_text(), "hang-up logged")
    host.close()


def test_connect_schedule():
    print("-- --connect-schedule and SIGUSR2")
    cells = os.path.join(TMP, "start.cells")
    with open(cells, "w") as f:
        f.write(" ".join(["7"] * 21) + "\n")
    sim = Sim("schedule", "--connect-schedule", "off:600,on:1500,off", "--cells", cells)
    host = Host(sim.device)
    host.send(b"A" + write_frame(3, 42))
    host.expect_nothing("no answer while no panel is connected", window=0.2)
    check(wait_until(lambda: "(no panel connected)" in sim.log_text(), 2),
          "bytes to an absent panel are logged as ignored")
    check(wait_until(lambda: "panel 2 connected" in sim.log_text(), 3), "the panel connects")
    host.exchange(read_frame(3), b"0070\r", "the write sent while absent was not stored")
    host.exchange(write_frame(3, 42), ACK, "a connected panel answers")
    check(wait_until(lambda: "panel 2 disconnected" in sim.log_text(), 3), "and goes again")
    check("DUMP " + " ".join(["7"] * 3 + ["42"] + ["7"] * 17) in sim.log_text(),
          "what the panel held when it went is logged")
    host.send(b"A")
    host.expect_nothing("nothing is answered after the schedule ends disconnected")
    sim.proc.send_signal(signal.SIGUSR2)
    check(wait_until(lambda: "panel 3 connected" in sim.log_text(), 2), "SIGUSR2 connects")
    host.exchange(read_frame(3), b"0070\r", "a new panel holds the start values")
    host.close()
    check(sim.stop() == 0, "stops cleanly")


def test_network():
    print("-- --tcp and --rfc2217")
    sim = Sim("tcp", "--tcp", "0")
    check(re.fullmatch(r"tcp://127\.0\.0\.1:\d+", sim.device) is not None,
          "first line is the address", sim.device)
    host = NetHost(sim.device)
    host.exchange(b"A", ACK, "raw TCP: the attention byte is answered")
    host.exchange(write_frame(3, 42), ACK, "a write is acknowledged")
    second = NetHost(sim.device)
    got, err = second.receive(1)
    check(got == b"" and isinstance(err, EOFError), "a second client is refused", f"{got!r} {err!r}")
    second.close()
    host.close()
    host = NetHost(sim.device)
    host.exchange(read_frame(3), b"0420\r", "the next connection is a new session, same panel")
    host.close()
    check(sim.stop() == 0, "stops cleanly")

    sim = Sim("rfc2217", "--rfc2217", "0", "--noise-reply", "4")
    check(sim.device.startswith("rfc2217://127.0.0.1:"), "rfc2217 address", sim.device)
    host = NetHost(sim.device)
    greeting = bytes.fromhex("fffb00 fffd00 fffb03 fffd03 fffd2c")
    host.exchange(b"", greeting, "the server offers binary, no go-ahead and com port control")
    host.send(b"A")
    host.expect_nothing("nothing is answered before the line is set to 9600 8N1")
    settings = bytes.fromhex("fffa2c0100002580fff0 fffa2c0208fff0 fffa2c0301fff0 fffa2c0401fff0")
    host.exchange(settings, bytes.fromhex("fffa2c6500002580fff0 fffa2c6608fff0 fffa2c6701fff0 "
                                          "fffa2c6801fff0"), "each line setting is confirmed")
    host.exchange(b"A", ACK, "then the panel answers")
    host.exchange(read_frame(4), bytes.fromhex("00ffff58000d"), "0xFF is doubled on the wire")
    host.close()
    check(sim.stop() == 0, "stops cleanly")

    sim = Sim("tcp-hangup", "--tcp", "0", "--hangup-at", "2")
    host = NetHost(sim.device)
    host.send(write_frame(2, 1))
    got, err = host.receive(1)
    check(got == b"" and err is not None, "--hangup-at closes the connection", f"{got!r} {err!r}")
    check(sim.wait_exit() == 0, "and the simulator exits with status 0")
    host.close()


def test_idle_exit():
    print("-- --exit-after-idle")
    sim = Sim("idle", "--exit-after-idle", "0.3")
    check(sim.wait_exit(timeout=5) == 0, "exits by itself with status 0")


try:
    for test in (test_basic_traffic, test_cells_file, test_double_ack, test_silent, test_hangup,
                 test_connect_schedule, test_network, test_idle_exit):
        try:
            test()
        except Exception as e:  # a crash in one group must not hide the others
            check(False, test.__name__ + " ran to the end", repr(e))
finally:
    for proc in running:
        if proc.poll() is None:
            proc.kill()
            proc.wait()

if failures:
    print(f"{len(failures)} check(s) failed; logs kept in {TMP}")
    sys.exit(1)
print("all checks passed")
subprocess.run(["rm", "-rf", TMP])
PYTHON
