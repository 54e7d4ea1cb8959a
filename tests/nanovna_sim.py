# SPDX-FileCopyrightText: 2026 Tolvera developers
# SPDX-License-Identifier: MIT
"""A simulated NanoVNA on a pseudo-terminal, for the live-sweep tests.

    nanovna_sim.py --protocol text|v2 (--load FILE.s1p | --resonance MHZ) [--model NAME]
                   [--fault F]... [--link PATH] [--stats FILE] [--point-ms MS]

Prints the slave's path (e.g. /dev/pts/7) on stdout, then answers on it
until stdin reaches EOF (when stdin is a pipe, socket or terminal) or it gets
SIGTERM/SIGINT. S11 comes from the Touchstone file, interpolated linearly,
or from a J of the given resonance.
"""
import argparse
import cmath
import ctypes
import fcntl
import math
import os
import select
import signal
import stat
import struct
import sys
import termios
import time

BUILT = 'Build Time: Jan  1 2026 - 00:00:00'
TEXT_MODELS = {
    # name: (version, info lines, points per scan, line buffer)
    'h4': ('1.2.52', ['Board: NanoVNA-H 4',
                      '2019-2024 Copyright @DiSlord (based on @edy555 source)',
                      'Licensed under GPL.', '  https://github.com/DiSlord/NanoVNA-D',
                      'Version: 1.2.52', BUILT, 'Architecture: ARMv7E-M Platform: STM32F303'],
           401, 64),
    'h': ('1.2.43', ['Board: NanoVNA-H', '2016-2020 Copyright @edy555', 'Licensed under GPL.',
                     '  https://github.com/hugen79/NanoVNA-H', 'Version: 1.2.43', BUILT,
                     'Architecture: ARMv6-M Platform: STM32F072'], 101, 64),
    'original': ('0.4.5-23-g587ad32ab',
                 ['NanoVNA', '2016-2019 Copyright @edy555',
                  'Licensed under GPL. See: https://github.com/ttrftech/NanoVNA',
                  'Version: 0.4.5-23-g587ad32ab', BUILT, 'Kernel: 4.0.0',
                  'Architecture: ARMv6-M Core Variant: Cortex-M0',
                  'Platform: STM32F072xB Entry Level Medium Density devices'], 101, 48),
}
# Registers F0..F4: variant, protocol, hardware revision, firmware major/minor.
# The LiteVNA answers like a V2 with a later board (rev 4) and firmware 1.2.
V2_MODELS = {'v2': (2, 1, 2, 1, 5), 'lite': (2, 1, 4, 1, 2)}

TEXT_FAULTS = {'no-prompt', 'late-prompt', 'comma', 'garbled', 'huge', 'short', 'at-noise'}
V2_FAULTS = {'bootloader'}
FAULTS = TEXT_FAULTS | V2_FAULTS | {'split', 'slow', 'hang', 'unplug', 'silent', 'not-analyser'}
HELP = 'Commands: scan scan_bin data frequencies sweep pause resume version info help'
UNPLUG = object()  # queue marker: pull the cable once everything before it is out


def read_s1p(path):
    """Touchstone v1 one-port reader: [(Hz, S11)] sorted by frequency."""
    scale, fmt, points = 1e9, 'MA', []
    units = {'HZ': 1.0, 'KHZ': 1e3, 'MHZ': 1e6, 'GHZ': 1e9}
    with open(path, encoding='ascii', errors='replace') as f:
        for line in f:
            line = line.split('!', 1)[0].strip()
            if line.startswith('#'):
                for word in line[1:].upper().split():
                    if word in units:
                        scale = units[word]
                    elif word in ('RI', 'MA', 'DB'):
                        fmt = word
            elif line:
                fr, a, b = (float(x) for x in line.split()[:3])
                if fmt == 'RI':
                    s = complex(a, b)
                else:
                    mag = a if fmt == 'MA' else 10 ** (a / 20)
                    s = cmath.rect(mag, math.radians(b))
                points.append((fr * scale, s))
    if not points:
        sys.exit(f'{path}: no data points')
    return sorted(points, key=lambda p: p[0])


class Load:
    """S11 of the file at any frequency: linear between its points, flat beyond."""

    def __init__(self, path):
        self.f, self.s = zip(*read_s1p(path))

    def s11(self, hz):
        f, s = self.f, self.s
        if hz <= f[0] or hz >= f[-1]:
            return s[0] if hz <= f[0] else s[-1]
        lo, hi = 0, len(f) - 1
        while hi - lo > 1:
            mid = (lo + hi) // 2
            lo, hi = (mid, hi) if f[mid] <= hz else (lo, mid)
        t = (hz - f[lo]) / (f[hi] - f[lo])
        return s[lo] + (s[hi] - s[lo]) * t


class ResonantJ:
    """S11 of a J resonating at `mhz`: 60 ohms there, the reactance of a
    series circuit around it (SWR 1.2 at resonance)."""

    def __init__(self, mhz):
        self.hz = mhz * 1e6

    def s11(self, hz):
        z = complex(60, 500 * (hz / self.hz - self.hz / hz))
        return (z - 50) / (z + 50)


def make_raw(fd):
    # What cfmakeraw() does, plus CLOCAL/CREAD as a serial port would have.
    a = termios.tcgetattr(fd)
    a[0] &= ~(termios.IGNBRK | termios.BRKINT | termios.PARMRK | termios.ISTRIP | termios.INLCR
              | termios.IGNCR | termios.ICRNL | termios.IXON | termios.IXOFF | termios.IXANY)
    a[1] &= ~termios.OPOST
    a[2] = (a[2] & ~(termios.CSIZE | termios.PARENB)) | termios.CS8 | termios.CREAD | termios.CLOCAL
    a[3] &= ~(termios.ECHO | termios.ECHONL | termios.ICANON | termios.ISIG | termios.IEXTEN)
    a[6][termios.VMIN], a[6][termios.VTIME] = 1, 0
    termios.tcsetattr(fd, termios.TCSANOW, a)


def inq(fd):
    return struct.unpack('i', fcntl.ioctl(fd, termios.FIONREAD, b'\0' * 4))[0]


def watch_opens(path):
    """inotify on the slave, or None: tells when clients open and close it."""
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        fd = libc.inotify_init1(os.O_NONBLOCK | os.O_CLOEXEC)
        # IN_OPEN, IN_CLOSE_WRITE, IN_CLOSE_NOWRITE
        if fd >= 0 and libc.inotify_add_watch(fd, path.encode(), 0x20 | 0x08 | 0x10) >= 0:
            return fd
    except (OSError, AttributeError):
        pass
    return None


def atoui(s):
    """Leading decimal digits, as the firmware's parser reads them; 0x/0b too."""
    base = {'0x': 16, '0b': 2}.get(s[:2].lower(), 10)
    digits, n = '0123456789abcdef'[:base], 0
    for c in (s if base == 10 else s[2:]).lower():
        if c not in digits:
            break
        n = n * base + digits.index(c)
    return n


class Device:
    """What both protocols share: the output queue, the faults and the counters."""

    def __init__(self, args, load):
        self.load, self.faults = load, set(args.fault)
        self.queue = []            # [delay, bytes, due time] or UNPLUG, in order
        self.scans = self.points = 0
        self.hung, self.chunk = False, 0

    def send(self, data, delay=0.0):
        """Queue output; delay counts from when what comes before it is out."""
        if 'silent' in self.faults or not data:
            return
        if isinstance(data, str):
            data = data.encode()
        split = 'split' in self.faults
        while data:
            # split: 1-3 bytes at a time, 2 ms apart, so prompts and records straddle reads
            self.chunk += 1
            n = self.chunk % 3 + 1 if split else len(data)
            self.queue.append([delay + 0.002 * split, data[:n], None])
            data, delay = data[n:], 0.0

    def feed(self, data):
        if 'silent' in self.faults or self.hung:
            return
        if 'not-analyser' in self.faults:
            # a modem or a GPS: no echo, no prompt, ERROR to every line
            for _ in range(data.count(b'\r')):
                self.send('ERROR\r\n')
            return
        self.input(data)

    def tick(self, now):
        """Work that goes on with time; returns when it next needs doing."""
        return None


class TextShell(Device):
    def __init__(self, args, load):
        super().__init__(args, load)
        self.model = args.model
        self.version, self.info, self.max_points, self.max_line = TEXT_MODELS[args.model]
        self.line, self.paused = '', False
        self.pending = b''          # input that arrived while a command was running
        self.sweep = (50000, 900000000, 101)
        self.freqs = self.spread(*self.sweep)
        self.point_delay = 0.02 if 'slow' in self.faults else (args.point_ms or 0) / 1000
        if 'not-analyser' not in self.faults:
            self.send('\r\nNanoVNA Shell\r\n', self.prompt_delay())
            if 'no-prompt' not in self.faults:
                self.send('ch> ')

    @staticmethod
    def spread(start, stop, points):
        return [start + (stop - start) * i // (points - 1) for i in range(points)]

    def prompt_delay(self):
        return 1.5 if 'late-prompt' in self.faults else 0.0

    def prompt(self):
        if 'no-prompt' not in self.faults:
            self.send('ch> ', self.prompt_delay())

    def value(self, v):
        text = '%.9f' % v
        return text.replace('.', ',') if 'comma' in self.faults else text

    def input(self, data):
        # The shell reads nothing while a command is still printing.
        self.pending += data
        while self.pending and not self.queue and not self.hung:
            c, self.pending = self.pending[0], self.pending[1:]
            if c == 0x0D:
                self.send('\r\n')
                self.run(self.line)
                self.line = ''
            elif c in (0x08, 0x7F):
                if self.line:
                    self.line = self.line[:-1]
                    self.send(b'\x08 \x08')
            elif 0x20 <= c < 0x7F and len(self.line) < self.max_line:
                self.line += chr(c)
                self.send(bytes([c]))
        if self.hung:
            self.pending = b''

    def run(self, line):
        if 'at-noise' in self.faults:
            # ModemManager got here first: the shell's answers to its probes
            self.send('AT?\r\nAT+CGMI?\r\n')
        words = line.split()
        if words:
            if len(words) > 5:
                self.send('too many arguments, max 4\r\n')
            elif words[0] in ('version', 'info', 'help'):
                lines = {'version': [self.version], 'info': self.info, 'help': [HELP]}[words[0]]
                self.send(''.join(line + '\r\n' for line in lines))
            elif words[0] in ('pause', 'resume'):
                self.paused = words[0] == 'pause'
            elif words[0] in ('scan', 'sweep', 'data', 'frequencies'):
                getattr(self, 'cmd_' + words[0])(words[1:])
            else:
                self.send(words[0] + '?\r\n')
            self.hung = 'hang' in self.faults
        self.prompt()

    def check(self, start, stop, points):
        if start == 0 or stop == 0 or start > stop:
            self.send('frequency range is invalid\r\n')
        elif not 2 <= points <= self.max_points:
            self.send('sweep points exceeds range %d\r\n' % self.max_points)
        else:
            return True
        return False

    def cmd_scan(self, args):
        if len(args) < 2:
            self.send('usage: scan {start(Hz)} {stop(Hz)} [points] [outmask]\r\n')
            return
        start, stop = atoui(args[0]), atoui(args[1])
        points = atoui(args[2]) if len(args) > 2 else self.sweep[2]
        mask = atoui(args[3]) if len(args) > 3 else 0
        if not self.check(start, stop, points):
            return
        self.paused = True
        self.freqs = self.spread(start, stop, points)
        self.scans += 1
        if not mask:
            return
        shown = points - 1 if 'short' in self.faults else points
        for i, hz in enumerate(self.freqs[:shown]):
            s = self.load.s11(hz)
            fields = []
            if mask & 1:
                fields.append(str(hz))
            if mask & 2:
                fields += [self.value(s.real), self.value(s.imag)]
                if 'garbled' in self.faults and i == points // 2:
                    fields[-2] = '0.0.1359530'
                if 'huge' in self.faults and i == points // 3:
                    fields[-1] = '2147483647.147483647'
            if mask & 4:
                fields += [self.value(0.0), self.value(0.0)]
            self.send(''.join(f + ' ' for f in fields) + '\r\n', self.point_delay)
            self.points += 1
            if 'unplug' in self.faults and i + 1 == points // 2:
                self.queue.append(UNPLUG)
                return

    def cmd_sweep(self, args):
        if not args:
            self.send('%d %d %d\r\n' % self.sweep)
            return
        start = atoui(args[0])
        stop = atoui(args[1]) if len(args) > 1 else self.sweep[1]
        points = self.sweep[2]
        if len(args) > 2 and self.model != 'original':  # it ignores POINTS
            points = atoui(args[2])
        if self.check(start, stop, points):
            self.sweep = (start, stop, points)
            self.freqs = self.spread(*self.sweep)

    def cmd_data(self, args):
        which = atoui(args[0]) if args else 0
        if which > 1:
            self.send('usage: data [array]\r\n')
            return
        for hz in self.freqs:
            s = self.load.s11(hz) if which == 0 else 0j
            self.send('%s %s\r\n' % (self.value(s.real), self.value(s.imag)))

    def cmd_frequencies(self, args):
        self.send(''.join('%d\r\n' % hz for hz in self.freqs))


class BinaryV2(Device):
    FIFO, DEPTH = 0x30, 128
    FWD = complex(600000, 800000)   # fixed incident wave, rotated so a client must divide

    def __init__(self, args, load):
        super().__init__(args, load)
        self.regs = bytearray(256)
        self.regs[0xF0:0xF5] = bytes(V2_MODELS[args.model])
        if 'bootloader' in self.faults:
            self.regs[0xF3] = 0xFF
        # until told otherwise: 100 MHz on, 1 MHz steps, 101 points, 1 value each
        for addr, size, value in ((0x00, 8, 100000000), (0x10, 8, 1000000),
                                  (0x20, 2, 101), (0x22, 2, 1)):
            self.regs[addr:addr + size] = value.to_bytes(size, 'little')
        self.rate = 0.02 if 'slow' in self.faults else max(args.point_ms or 1.0, 0.01) / 1000
        self.inbuf, self.fifo = b'', []
        self.wanted = self.served = 0   # records owed to / sent for the FIFO read under way
        self.restart(time.monotonic())

    def get(self, addr, size):
        return int.from_bytes(self.regs[addr:addr + size], 'little')

    def restart(self, now):
        self.index, self.next_at = 0, now + self.rate

    def record(self, i):
        hz = self.get(0x00, 8) + i * self.get(0x10, 8)
        rev = self.load.s11(hz) * self.FWD
        clip = lambda v: max(-2**31, min(2**31 - 1, round(v)))
        return struct.pack('<6iH6x', int(self.FWD.real), int(self.FWD.imag),
                           clip(rev.real), clip(rev.imag), 0, 0, i & 0xFFFF)

    def input(self, data):
        self.inbuf += data
        self.parse()

    def parse(self):
        sizes = {0x10: 2, 0x11: 2, 0x12: 2, 0x13: 2, 0x18: 3, 0x20: 3, 0x21: 4, 0x22: 6, 0x23: 10}
        # A blocked FIFO read holds up everything behind it, as on the device.
        while self.inbuf and not self.wanted and not self.hung:
            op = self.inbuf[0]
            n = sizes.get(op, 1)
            if len(self.inbuf) < n:
                return
            cmd, self.inbuf = self.inbuf[:n], self.inbuf[n:]
            if op == 0x0D:
                self.send(b'2')
            elif 0x10 <= op <= 0x13:
                size = 1 << (op - 0x10)
                self.send(self.regs[cmd[1]:cmd[1] + size].ljust(size, b'\0'))
            elif op == 0x18 and cmd[1] == self.FIFO:
                self.wanted, self.served = cmd[2], 0
                self.scans += 1
            elif 0x20 <= op <= 0x23:
                addr, value = cmd[1], cmd[2:]
                self.regs[addr:addr + len(value)] = value[:256 - addr]
                if addr == self.FIFO:
                    self.fifo = []
                if addr in (self.FIFO, 0x00, 0x10, 0x20):
                    self.restart(time.monotonic())
            self.hung = op != 0x00 and 'hang' in self.faults
        if self.hung:
            self.inbuf = b''

    def tick(self, now):
        points = max(1, self.get(0x20, 2))
        while self.next_at <= now:
            if len(self.fifo) < self.DEPTH:
                self.fifo.append(self.index)
                self.index = (self.index + 1) % points
                self.next_at += self.rate
            else:
                # full: the sweep goes on and its records are lost
                missed = int((now - self.next_at) / self.rate) + 1
                self.index = (self.index + missed) % points
                self.next_at += missed * self.rate
        while self.wanted and self.fifo:
            self.send(self.record(self.fifo.pop(0)))
            self.wanted -= 1
            self.served += 1
            self.points += 1
            if 'unplug' in self.faults and self.served == max(1, (self.served + self.wanted) // 2):
                self.queue.append(UNPLUG)
                self.wanted = 0
        if not self.wanted:
            self.parse()
        # Idle, the FIFO is brought up to date lazily; wake only for a blocked read.
        return self.next_at if self.wanted else None


def serve(master, slave, dev, watch_stdin):
    """Returns 'eof' when stdin closes, 'unplug' when the cable is to be pulled."""
    opens, clients = watch_opens(os.ttyname(slave)), 0
    while True:
        now = time.monotonic()
        wake = dev.tick(now)
        head = dev.queue[0] if dev.queue else None
        if head is UNPLUG:
            return 'unplug'
        if head is not None and head[2] is None:
            head[2] = now + head[0]
        ready = head is not None and head[2] <= now
        if head is not None and not ready:
            wake = head[2] if wake is None else min(wake, head[2])
        timeout = None if wake is None else max(0.0, wake - now)
        rlist = [master] + [0] * watch_stdin + [opens] * (opens is not None)
        r, w, _ = select.select(rlist, [master] if ready else [], [], timeout)
        if 0 in r and not os.read(0, 4096):
            return 'eof'
        if opens in r:
            events = os.read(opens, 4096)    # 16 bytes each: wd, mask, cookie, len 0
            for i in range(0, len(events), 16):
                clients += 1 if struct.unpack_from('4I', events, i)[1] & 0x20 else -1
            if clients <= 0:
                # QSerialPort locks the port (TIOCEXCL) and a crashed client never
                # unlocks it; with our fd holding the tty the lock would outlive it.
                clients = 0
                fcntl.ioctl(slave, termios.TIOCNXCL)
        if w:
            try:
                n = os.write(master, head[1])
            except BlockingIOError:
                n = 0
            head[1] = head[1][n:]
            if not head[1]:
                dev.queue.pop(0)
                if not dev.queue:
                    dev.feed(b'')      # done talking: take up input that waited
        if master in r:
            try:
                data = os.read(master, 4096)
            except BlockingIOError:
                data = b''
            except OSError:
                # EIO: no slave open (cannot last, we hold one); poll gently
                time.sleep(0.05)
                data = b''
            if data:
                dev.feed(data)


def main():
    ap = argparse.ArgumentParser(description='Simulated NanoVNA on a pseudo-terminal.')
    ap.add_argument('--protocol', choices=('text', 'v2'), required=True)
    served = ap.add_mutually_exclusive_group(required=True)
    served.add_argument('--load', metavar='FILE.s1p')
    served.add_argument('--resonance', type=float, metavar='MHZ', help='a J resonating there')
    ap.add_argument('--model', choices=sorted(TEXT_MODELS) + sorted(V2_MODELS))
    ap.add_argument('--fault', action='append', default=[], choices=sorted(FAULTS))
    ap.add_argument('--link', metavar='PATH', help='symlink to the port (for Wine COM ports)')
    ap.add_argument('--stats', metavar='FILE', help='write "scans N points M" on exit')
    ap.add_argument('--point-ms', type=float, metavar='MS',
                    help='measuring time a point (default: text 0, v2 1; slow: 20)')
    args = ap.parse_args()
    text = args.protocol == 'text'
    args.model = args.model or ('h4' if text else 'v2')
    if args.model not in (TEXT_MODELS if text else V2_MODELS):
        ap.error(f'model {args.model} does not speak {args.protocol}')
    wrong = set(args.fault) & (V2_FAULTS if text else TEXT_FAULTS)
    if wrong:
        ap.error(f'fault {", ".join(sorted(wrong))} does not apply to {args.protocol}')
    load = Load(args.load) if args.load else ResonantJ(args.resonance)

    master, slave = os.openpty()
    make_raw(slave)
    make_raw(master)
    os.set_blocking(master, False)
    path = os.ttyname(slave)
    # Our own slave fd stays open, so the pty outlives the client's close.
    if args.link:
        tmp = args.link + '.tmp%d' % os.getpid()
        os.symlink(path, tmp)
        os.replace(tmp, args.link)
    mode = os.fstat(0).st_mode
    # /dev/null (a background job's stdin) would be EOF at once: only a pipe or terminal ends us
    watch_stdin = stat.S_ISFIFO(mode) or stat.S_ISSOCK(mode) or os.isatty(0)

    def stop(signum, frame):
        raise SystemExit(0)     # through the finally below, so the link and stats are seen to
    dev = (TextShell if text else BinaryV2)(args, load)
    try:
        signal.signal(signal.SIGTERM, stop)
        signal.signal(signal.SIGINT, stop)
        print(path, flush=True)
        if serve(master, slave, dev, watch_stdin) == 'unplug':
            # Hangup throws away what the client has not read yet: wait until
            # the slave's queue has stayed empty for 20 ms, then pull the cable.
            end, empty = time.monotonic() + 1.0, 0
            while empty < 4 and time.monotonic() < end:
                time.sleep(0.005)
                empty = empty + 1 if inq(slave) == 0 else 0
            os.close(master)
            master = None
    finally:
        for sig in (signal.SIGTERM, signal.SIGINT):
            signal.signal(sig, signal.SIG_IGN)
        if args.link and os.path.islink(args.link) and os.readlink(args.link) == path:
            os.unlink(args.link)
        if args.stats:
            with open(args.stats, 'w') as f:
                f.write('scans %d points %d\n' % (dev.scans, dev.points))
        for fd in (master, slave):
            if fd is not None:
                os.close(fd)
    return 0


if __name__ == '__main__':
    sys.exit(main())
