#!/usr/bin/env python3
"""Prints the measurements as one table with the goal beside each row.

Reads "key value" lines on stdin (a key may repeat: its median is taken), as the benchmark
pieces print them, and the tool versions as further "key text" lines.
"""
import statistics
import sys

values = {}
texts = {}
for line in sys.stdin:
    key, _, value = line.strip().partition(" ")
    if not key:
        continue
    try:
        values.setdefault(key, []).append(float(value))
    except ValueError:
        texts[key] = value


def median(key):
    if key not in values:
        sys.exit("no measurement for %s" % key)
    return statistics.median(values[key])


def count(key):
    return len(values[key])


rows = []


def row(what, porvan, yardstick, ratio, goal, met):
    rows.append((what, porvan, yardstick, ratio, goal, "yes" if met else "NO"))


# The client's own exchange, on the calling thread, against the bare bytes.
raw, calling = median("roundtrip_raw_us"), median("roundtrip_calling_thread_us")
row("Form-post round trip, loopback (median of %d each)" % median("roundtrip_rounds"),
    "%.0f µs" % calling, "raw socket %.0f µs" % raw, "%.2f×" % (calling / raw),
    "≤ 1.2× raw socket", calling / raw <= 1.2)

# What each program's own wait adds to a request: against the development server, with its goal,
# and against a server that answers at once, beside the least a hand-off to a worker costs. The
# two requests of a pair ran back to back; the median of the pairs' ratios decides.
for platform, name in (("windows", "Windows program, Wine"), ("linux", "Linux client, Qt")):
    rounds = median(platform + "_wait_rounds")
    server = platform + "_devserver"
    waited, direct, ratio = (median(server + "_waited_us"), median(server + "_calling_us"),
                             median(server + "_ratio"))
    row("Open request to the development server waited for by the %s (median ratio of %d pairs)"
        % (name, rounds), "%.0f µs" % waited, "on the calling thread %.0f µs" % direct,
        "%.3f×" % ratio, "≤ 1.05× on the calling thread", ratio <= 1.05)
    server = platform + "_at_once"
    waited, direct = median(server + "_waited_us"), median(server + "_calling_us")
    rows.append(("The same to a loopback server that answers at once", "%.0f µs, %+.0f µs"
                 % (waited, waited - direct), "bare hand-off to the worker and back %.0f µs"
                 % median(platform + "_handoff_us"), "%.3f×" % median(server + "_ratio"), "", ""))

http, https = median("roundtrip_http_us"), median("roundtrip_https_us")
rows.append(("https round trip, loopback, handshake included (median of %d each)"
             % median("https_rounds"), "%.0f µs" % https, "http %.0f µs" % http,
             "%.2f×" % (https / http), "", ""))

size = median("download_mb")
component, curl = median("download_component_s"), median("download_curl_s")
row("Download of %.0f MB, loopback (median of %d each)" % (size, count("download_curl_s")),
    "%.0f MB/s" % (size / component), "curl %.0f MB/s" % (size / curl),
    "%.2f of curl" % (curl / component), "≥ 0.9 of curl", curl / component >= 0.9)

# The ratio of each pair of starts taken back to back; its median decides, lowest and highest
# beside it, so that one start caught by the machine's load cannot.
porvan, minimal, ratio = (median("startup_porvan_ms"), median("startup_minimal_ms"),
                          median("startup_ratio"))
row("Start-up to the main window, Wine (median ratio of %d pairs)" % count("startup_ratio"),
    "%.0f ms" % porvan, "minimal program %.0f ms" % minimal,
    "%.2f× (%.2f–%.2f)" % (ratio, min(values["startup_ratio"]), max(values["startup_ratio"])),
    "≤ 1.2× minimal program", ratio <= 1.2)

exe = median("porvan_exe_bytes")
row("Size of Porvan.exe", "%.2f MB (%d bytes)" % (exe / 1e6, exe), "", "", "≤ 2 MB",
    exe <= 2e6)
setup = median("setup_exe_bytes")
rows.append(("Size of PorvanSetup.exe", "%.2f MB (%d bytes)" % (setup / 1e6, setup), "", "",
             "", ""))

seconds, cpu = median("idle_seconds"), median("idle_cpu_s")
per_minute = cpu * 60 / seconds
# Read in the kernel's clock ticks of 10 ms.
row("CPU time idle in the tray, access open, %.0f s" % seconds, "%.2f s" % cpu, "", "",
    "< 0.1 s a minute", per_minute < 0.1)

head = ("Measurement", "Porvan", "Compared with", "Ratio", "Goal", "Met")
widths = [max(len(r[i]) for r in rows + [head]) for i in range(len(head))]


def line(cells):
    return "| " + " | ".join(c.ljust(w) for c, w in zip(cells, widths)) + " |"


print(line(head))
print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
for r in rows:
    print(line(r))
print()
for key in texts:
    print("%s: %s" % (key.replace("_", " "), texts[key]))
