# Turns the JSON output of kovconfig_compare (run with repetitions and
# aggregates) into one Markdown table: each piece of work against its
# baseline, both medians from the same run, their ratio and the target.
# Plain POSIX awk (mawk on a fresh Debian): the JSON is read line by line,
# one "key": value per line as Google Benchmark writes it.

function row(id, what, work, base, metric, target) {
    rows++
    rid[rows] = id; rwhat[rows] = what; rwork[rows] = work; rbase[rows] = base
    rmetric[rows] = metric; rtarget[rows] = target
}

BEGIN {
    row("1", "read: getOASMaxScanTimeout / raw property_tree get", "read/controller", "read/ptree", "time", "<=2")
    row("1", "read: getOASMaxScanTimeout / SQLite prepared select", "read/controller", "read/sqlite", "time", "<1")
    row("1", "read: getOASMaxScanTimeout / unordered_map + conversion", "read/controller", "read/map", "time", "")
    row("2", "durable change: setter / hand-written durable write", "change/setter/real_time", "change/handwritten/real_time", "time", "<=1.5")
    row("2", "durable change: setter / SQLite UPDATE, WAL, synchronous=FULL", "change/setter/real_time", "change/sqlite_wal/real_time", "time", "")
    row("2", "durable change: setter / SQLite UPDATE, rollback journal, synchronous=FULL", "change/setter/real_time", "change/sqlite_rollback/real_time", "time", "")
    row("3", "bulk: addSettings of 100 keys / one setter", "bulk/add100/real_time", "bulk/one_setter/real_time", "time", "<=3")
    row("3", "bulk: 100 single setters / addSettings of 100 keys", "bulk/setters100/real_time", "bulk/add100/real_time", "time", "")
    row("4", "start-up: controller over a complete file / read_xml alone", "startup/controller", "startup/read_xml", "time", "<=2")
    row("5", "scale: controller read, 1,000 task sections / 3", "scale/read_tasks1000", "read/controller", "time", "<=1.2")
    row("5", "scale: raw property_tree read, 1,000 task sections / 3", "scale/ptree_tasks1000", "read/ptree", "time", "")
    row("5", "scale: exclusion list, 10,000 exclusions / 10", "scale/exclusions10000", "scale/exclusions10", "time", "")
    row("5", "scale: store change, 1 MB file / 10 KB file", "scale/store_change_1m/real_time", "scale/store_change_10k/real_time", "time", "")
    row("5", "scale: hand-written durable write, 1 MB / 10 KB", "scale/handwritten_1m/real_time", "scale/handwritten_10k/real_time", "time", "")
    row("5", "scale: store change / hand-written, 10 KB file", "scale/store_change_10k/real_time", "scale/handwritten_10k/real_time", "time", "")
    row("5", "scale: store change / hand-written, 1 MB file", "scale/store_change_1m/real_time", "scale/handwritten_1m/real_time", "time", "")
    row("6", "parallel reads: throughput 2 threads / 1 thread", "parallel/read/real_time/threads:2", "parallel/read/real_time/threads:1", "rate", ">=1.6")
    row("6", "parallel reads: CPU per read, 2 threads / 1 thread", "parallel/read/real_time/threads:2", "parallel/read/real_time/threads:1", "cpu", "")
    row("6", "parallel control: unordered_map throughput 2 threads / 1 thread", "parallel/map/real_time/threads:2", "parallel/map/real_time/threads:1", "rate", "")
    row("6", "parallel reads: throughput 8 threads / 1 thread", "parallel/read/real_time/threads:8", "parallel/read/real_time/threads:1", "rate", "")
    row("6", "reader latency p50 while another process commits / alone", "latency/with_writer/real_time", "latency/alone/real_time", "p50_ns", "")
    row("6", "reader latency p99 while another process commits / alone", "latency/with_writer/real_time", "latency/alone/real_time", "p99_ns", "")
    row("6", "reader latency max while another process commits / alone", "latency/with_writer/real_time", "latency/alone/real_time", "max_ns", "")
}

function clear(   k) { for (k in f) delete f[k] }

function toNs(value, unit) {
    if (unit == "us") return value * 1e3
    if (unit == "ms") return value * 1e6
    if (unit == "s") return value * 1e9
    return value
}

function store(   name, time) {
    name = f["run_name"]
    gsub(/\/(min_time|iterations):[^\/]*/, "", name)
    if (f["error_occurred"] == "true") { failed[name] = f["error_message"]; return }
    if (f["run_type"] != "aggregate" || f["aggregate_name"] != "median") return
    time = (index(name, "/real_time") ? f["real_time"] : f["cpu_time"])
    value[name, "time"] = toNs(time + 0, f["time_unit"])
    for (k in f) if (k ~ /_ns$|_per_s$|^items_per_second$|^file_bytes$/) value[name, k] = f[k] + 0
    value[name, "rate"] = f["items_per_second"] + 0
    value[name, "cpu"] = toNs(f["cpu_time"] + 0, f["time_unit"])
    if (f["label"] != "") label[name] = f["label"]
    seen[name] = 1
}

/"benchmarks": \[/ { inBenchmarks = 1; clear(); next }
inBenchmarks && /^ *"[A-Za-z0-9_]+": / {
    line = $0
    sub(/^ *"/, "", line)
    key = substr(line, 1, index(line, "\"") - 1)
    val = substr(line, index(line, ":") + 2)
    sub(/,$/, "", val)
    if (val ~ /^".*"$/) val = substr(val, 2, length(val) - 2)
    f[key] = val
    next
}
inBenchmarks && /^ *}/ { store(); clear() }

function show(v, metric) {
    if (metric == "rate") return sprintf("%.0fk/s", v / 1e3)
    if (v >= 1e6) return sprintf("%.2f ms", v / 1e6)
    if (v >= 1e3) return sprintf("%.2f us", v / 1e3)
    return sprintf("%.0f ns", v)
}

function verdict(ratio, target,   op, limit) {
    if (target == "") return ""
    op = target; sub(/[0-9.]+$/, "", op)
    limit = substr(target, length(op) + 1) + 0
    if (op == "<=") return ratio <= limit ? "met" : "MISSED"
    if (op == "<") return ratio < limit ? "met" : "MISSED"
    if (op == ">=") return ratio >= limit ? "met" : "MISSED"
    return "?"
}

END {
    print ""
    print "| # | work / baseline | work | baseline | ratio | target | |"
    print "|---|---|---|---|---|---|---|"
    for (i = 1; i <= rows; i++) {
        w = rwork[i]; b = rbase[i]; m = rmetric[i]
        if (!(w in seen) || !(b in seen)) {
            why = (w in failed) ? failed[w] : ((b in failed) ? failed[b] : "not measured")
            printf "| %s | %s | - | - | - | %s | pending: %s |\n", rid[i], rwhat[i], rtarget[i], why
            continue
        }
        wv = value[w, m]; bv = value[b, m]
        ratio = (bv > 0 ? wv / bv : 0)
        printf "| %s | %s | %s | %s | %.2f | %s | %s |\n", rid[i], rwhat[i], show(wv, m), show(bv, m), ratio,
               rtarget[i], verdict(ratio, rtarget[i])
    }
    print ""
    print "Times are medians of the repetitions: thread CPU time for one-thread computing work, wall time"
    print "for work that waits on the disk (names ending in real_time) and for the thread runs."
    for (n in label) printf "Note: %s measured %s.\n", n, label[n]
    for (n in value) {
        split(n, parts, SUBSEP)
        if (parts[2] == "writer_commits_per_s") printf "Note: the other process committed %.0f times a second during %s.\n", value[n], parts[1]
    }
}
