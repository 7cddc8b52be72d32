// SPDX-FileCopyrightText: 2026 The Casarina-projects contributors
// SPDX-License-Identifier: LGPL-2.1-or-later

// casarina-bench: times the library's reading, writing, JSON import, merges and scene
// compilation on synthetic installations, each beside a baseline that does the same input
// or output work with Qt alone, and measures the memory a parsed project holds.
//
//   casarina-bench [--sizes=1000,10000,100000] [--ratio-size=10000]
//                  [--memory-size=100000] [--repetitions=5] [--min-time=0.3]
//                  [--no-memory] [--cold-caches]
//                  [benchmark flags such as --benchmark_filter=read]
//   casarina-bench --count OPERATION FUNCTIONS [TIMES]
//                                               one operation, for callgrind or perf
//   casarina-bench --memory-child FILE           internal: the memory measurement
//   casarina-bench --generate FUNCTIONS FILE [TABLE]
//                                               writes the generated project file, for
//                                               profiling with heaptrack and the like, and
//                                               its device datapoint table as JSON

#include "generator.h"
#include "workloads.h"

#include <projects/floor.h>
#include <projects/room.h>
#include <projects/common/order_p.h>
#include <projects/reader/projectreader.h>

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QMap>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#if defined(__has_include)
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define CASARINA_HAVE_CALLGRIND 1
#endif
#endif
#ifndef CASARINA_HAVE_CALLGRIND
#define CALLGRIND_START_INSTRUMENTATION
#define CALLGRIND_STOP_INSTRUMENTATION
#endif

using namespace projects;
using namespace bench;

namespace {

struct Options
{
    QVector<int> sizes{1000, 10000, 100000};
    int ratioSize = 10000;
    int memorySize = 100000;
    int repetitions = 5;
    double minTime = 0.3;
    bool memory = true;
    bool coldCaches = false; // the merges start with the processor's caches flushed
};

// Takes our own options out of argv, leaving Google Benchmark's flags in place.
Options takeOptions(int* argc, char** argv)
{
    Options options;
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const QString value = argument.section(QLatin1Char('='), 1);
        if (argument.startsWith(QLatin1String("--sizes="))) {
            options.sizes.clear();
            for (const QString& size : value.split(QLatin1Char(','), Qt::SkipEmptyParts))
                options.sizes.append(std::max(1, size.toInt()));
        } else if (argument.startsWith(QLatin1String("--ratio-size="))) {
            options.ratioSize = std::max(1, value.toInt());
        } else if (argument.startsWith(QLatin1String("--memory-size="))) {
            options.memorySize = std::max(1, value.toInt());
        } else if (argument.startsWith(QLatin1String("--repetitions="))) {
            options.repetitions = std::max(1, value.toInt());
        } else if (argument.startsWith(QLatin1String("--min-time="))) {
            options.minTime = std::max(0.0, value.toDouble());
        } else if (argument == QLatin1String("--no-memory")) {
            options.memory = false;
        } else if (argument == QLatin1String("--cold-caches")) {
            options.coldCaches = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    *argc = kept;
    if (!options.sizes.contains(options.ratioSize))
        options.sizes.append(options.ratioSize);
    std::sort(options.sizes.begin(), options.sizes.end());
    return options;
}

double minimum(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

// Shows the median and the best repetition of every benchmark and remembers the best
// CPU time per iteration for the summary: on a shared machine the best of several runs
// is the one least disturbed by others.
class SummaryReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        std::vector<Run> shown;
        for (const Run& run : runs) {
            if (run.error_occurred) {
                shown.push_back(run);
                m_errors.insert(run.run_name.function_name);
                continue;
            }
            if (run.run_type == Run::RT_Iteration) {
                const double seconds =
                    run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
                const std::string& name = run.run_name.function_name;
                const auto found = m_best.find(name);
                if (found == m_best.end() || seconds < found->second)
                    m_best[name] = seconds;
                if (run.repetitions <= 1)
                    shown.push_back(run);
            } else if (run.aggregate_name == "median" || run.aggregate_name == "min") {
                shown.push_back(run);
            }
        }
        if (!shown.empty())
            ConsoleReporter::ReportRuns(shown);
    }

    // The best CPU seconds per iteration of @p name, or a negative number when it did not
    // run.
    double best(const QString& name) const
    {
        const std::string key = name.toStdString();
        if (m_errors.count(key))
            return -1.0;
        const auto found = m_best.find(key);
        return found == m_best.end() ? -1.0 : found->second;
    }

private:
    std::map<std::string, double> m_best;
    std::set<std::string> m_errors;
};

QString benchName(const char* operation, int functions)
{
    return QStringLiteral("%1/%2").arg(QLatin1String(operation)).arg(functions);
}

// Releases a project outside the timed region: freeing the model is not reading it.
void releaseUntimed(benchmark::State& state, Project* project)
{
    state.PauseTiming();
    *project = Project();
    state.ResumeTiming();
}

// Writes a buffer larger than the processor's caches, so that what a merge then touches
// comes from main memory at every size, as it does for large projects anyway.
class CacheFlusher
{
public:
    explicit CacheFlusher(bool enabled)
        : m_buffer(enabled ? 256 * 1024 * 1024 : 0, Qt::Uninitialized)
    {
    }

    void flush()
    {
        if (m_buffer.isEmpty())
            return;
        ++m_round;
        std::memset(m_buffer.data(), m_round, size_t(m_buffer.size()));
        benchmark::DoNotOptimize(m_buffer.data());
    }

private:
    QByteArray m_buffer;
    char m_round = 0;
};

using Body = std::function<void(benchmark::State&)>;

void add(const QString& name, const Options& options, Body body, int iterations = 0)
{
    benchmark::internal::Benchmark* b =
        benchmark::RegisterBenchmark(name.toStdString().c_str(), body);
    b->Unit(benchmark::kMillisecond)
        ->Repetitions(options.repetitions)
        ->ComputeStatistics("min", minimum);
    if (iterations > 0)
        b->Iterations(iterations);
    else
        b->MinTime(options.minTime);
}

void addReadingAndWriting(const Options& options, const std::shared_ptr<Inputs>& inputs,
                          int functions)
{
    add(benchName("read/model", functions), options, [inputs](benchmark::State& state) {
        const QByteArray& xml = inputs->admin().xml;
        Project project;
        for (auto _ : state) {
            bool ok = false;
            project = readModel(xml, &ok);
            if (!ok)
                state.SkipWithError("parsing error");
            releaseUntimed(state, &project);
        }
        state.SetBytesProcessed(state.iterations() * xml.size());
    });
    add(benchName("read/bare", functions), options, [inputs](benchmark::State& state) {
        const QByteArray& xml = inputs->admin().xml;
        for (auto _ : state) {
            if (!readBare(xml))
                state.SkipWithError("parsing error");
        }
        state.SetBytesProcessed(state.iterations() * xml.size());
    });

    add(benchName("write/model", functions), options, [inputs](benchmark::State& state) {
        const Project& project = inputs->adminProject();
        const int size = inputs->written().size();
        for (auto _ : state)
            benchmark::DoNotOptimize(writeModel(project, size).size());
        state.SetBytesProcessed(state.iterations() * size);
    });
    add(benchName("write/bare", functions), options, [inputs](benchmark::State& state) {
        const QVector<XmlEvent>& events = inputs->writtenEvents();
        const int size = inputs->written().size();
        if (writeBare(events, size) != inputs->written())
            state.SkipWithError("the bare writer does not give the same bytes");
        for (auto _ : state)
            benchmark::DoNotOptimize(writeBare(events, size).size());
        state.SetBytesProcessed(state.iterations() * size);
    });
}

enum class Merge { Admin, Profile, Adopt };

// The merges change their project: each iteration gets a freshly read one, read while the
// clock is stopped.
Body mergeBody(const std::shared_ptr<Inputs>& inputs, bool cold, Merge merge)
{
    return [inputs, cold, merge](benchmark::State& state) {
        const Project& other = inputs->profileProject();
        const QByteArray& xml = inputs->admin().xml;
        CacheFlusher caches(cold);
        Project own;
        for (auto _ : state) {
            state.PauseTiming();
            own = readModel(xml);
            caches.flush();
            state.ResumeTiming();
            switch (merge) {
            case Merge::Admin:
                benchmark::DoNotOptimize(mergeAdmin(own, other));
                break;
            case Merge::Profile:
                benchmark::DoNotOptimize(mergeKeepOwnValues(own, other));
                break;
            case Merge::Adopt:
                benchmark::DoNotOptimize(mergeAdoptStructure(own, other));
                break;
            }
            releaseUntimed(state, &own);
        }
    };
}

void addImportMergesAndCompilation(const Options& options, const std::shared_ptr<Inputs>& inputs,
                                   int functions)
{
    add(benchName("json/model", functions), options, [inputs](benchmark::State& state) {
        const Installation& installation = inputs->admin();
        Project project;
        for (auto _ : state) {
            project = importJson(installation);
            releaseUntimed(state, &project);
        }
    });
    add(benchName("json/bare", functions), options, [inputs](benchmark::State& state) {
        const Installation& installation = inputs->admin();
        for (auto _ : state)
            benchmark::DoNotOptimize(parseJsonBare(installation));
    });

    // A fixed number of iterations keeps the untimed reading of the merges within bounds.
    const int mergeIterations = std::max(1, 20000 / functions);
    const bool cold = options.coldCaches;
    add(benchName("merge-admin", functions), options, mergeBody(inputs, cold, Merge::Admin),
        mergeIterations);
    add(benchName("merge-profile", functions), options, mergeBody(inputs, cold, Merge::Profile),
        mergeIterations);
    add(benchName("merge-adopt", functions), options, mergeBody(inputs, cold, Merge::Adopt),
        mergeIterations);

    add(benchName("compile", functions), options, [inputs](benchmark::State& state) {
        const Project& project = inputs->adminProject();
        const Installation& installation = inputs->admin();
        for (auto _ : state)
            benchmark::DoNotOptimize(compileScenes(project, installation));
    });
}

void registerBenchmarks(const Options& options, QMap<int, std::shared_ptr<Inputs>>& cache)
{
    for (int functions : options.sizes) {
        std::shared_ptr<Inputs> inputs = cache.value(functions);
        if (!inputs) {
            inputs = std::make_shared<Inputs>(functions);
            cache.insert(functions, inputs);
        }
        addReadingAndWriting(options, inputs, functions);
        addImportMergesAndCompilation(options, inputs, functions);
    }
}

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM"); 0 where there is none.
qint64 statusKilobytes(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(key) + ':';
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// The child of the memory measurement: it reads a small project first, so that the code
// the reader runs is resident before the measurement starts, then the file.
int memoryChild(const QString& path)
{
    bool ok = false;
    Project warmUp = readModel(generate(Shape::cube(100)).xml, &ok);
    warmUp = Project();
    QFile file(path);
    if (!ok || !file.open(QIODevice::ReadOnly))
        return 1;
    const qint64 before = statusKilobytes("VmRSS");
    ProjectReader reader;
    const Project project = reader.parse(&file);
    const qint64 after = statusKilobytes("VmRSS");
    const qint64 peak = statusKilobytes("VmHWM");
    int functions = 0;
    for (const Floor& floor : project.floors()) {
        for (const Room& room : floor.rooms())
            functions += room.functions().size();
    }
    std::printf("before=%lld\nafter=%lld\npeak=%lld\nfunctions=%d\n", before, after, peak,
                functions);
    return reader.parsingError() ? 1 : 0;
}

struct MemoryFigures
{
    bool ok = false;
    qint64 fileBytes = 0;
    qint64 beforeBytes = 0;
    qint64 heldBytes = 0; // resident after the parse, less before
    qint64 peakBytes = 0; // the process's peak resident size
    int functions = 0;
};

MemoryFigures measureMemory(int functions, QMap<int, std::shared_ptr<Inputs>>& cache)
{
    MemoryFigures figures;
    QTemporaryDir directory;
    if (!directory.isValid())
        return figures;
    const QString path = directory.filePath(QStringLiteral("project.xml"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return figures;
        std::shared_ptr<Inputs> inputs = cache.value(functions);
        const QByteArray xml = inputs ? inputs->admin().xml : generate(Shape::cube(functions)).xml;
        file.write(xml);
        figures.fileBytes = xml.size();
    }
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--memory-child"), path});
    if (!child.waitForFinished(-1) || child.exitCode() != 0)
        return figures;
    QMap<QString, qint64> values;
    const QList<QByteArray> lines = child.readAllStandardOutput().split('\n');
    for (const QByteArray& line : lines) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            values.insert(QString::fromLatin1(line.left(equals)),
                          line.mid(equals + 1).toLongLong());
    }
    figures.beforeBytes = values.value(QStringLiteral("before")) * 1024;
    figures.heldBytes =
        (values.value(QStringLiteral("after")) - values.value(QStringLiteral("before"))) * 1024;
    figures.peakBytes = values.value(QStringLiteral("peak")) * 1024;
    figures.functions = int(values.value(QStringLiteral("functions")));
    figures.ok = figures.functions > 0;
    return figures;
}

QString verdict(double value, double target)
{
    if (value < 0)
        return QStringLiteral("not run");
    return value <= target ? QStringLiteral("met") : QStringLiteral("NOT met");
}

void printRatios(QTextStream& out, const Options& options, const SummaryReporter& reporter)
{
    struct Pair
    {
        const char* title;
        const char* model;
        const char* bare;
        const char* baseline;
        double target;
    };
    const Pair pairs[] = {
        {"1. Reading", "read/model", "read/bare", "bare QXmlSimpleReader pass", 1.3},
        {"2. Writing", "write/model", "write/bare", "bare QXmlStreamWriter loop", 1.3},
        {"3. JSON import", "json/model", "json/bare", "QJsonDocument::fromJson alone", 2.0},
    };
    for (const Pair& pair : pairs) {
        out << pair.title << " (" << pair.baseline << "), target ratio <= " << pair.target << "\n";
        for (int functions : options.sizes) {
            const double model = reporter.best(benchName(pair.model, functions));
            const double bare = reporter.best(benchName(pair.bare, functions));
            if (model < 0 || bare <= 0)
                continue;
            const double ratio = model / bare;
            out << QStringLiteral("   %1 functions: model %2 ms, baseline %3 ms, ratio %4  %5%6\n")
                       .arg(functions, 7)
                       .arg(model * 1e3, 9, 'f', 2)
                       .arg(bare * 1e3, 9, 'f', 2)
                       .arg(ratio, 5, 'f', 2)
                       .arg(verdict(ratio, pair.target))
                       .arg(functions == options.ratioSize ? QStringLiteral("  <- headline")
                                                           : QString());
        }
        out << "\n";
    }
}

void printScaling(QTextStream& out, const Options& options, const SummaryReporter& reporter)
{
    out << "4. Scaling: microseconds per function, target ratio largest/smallest <= 1.3\n";
    const int smallest = options.sizes.first();
    const int largest = options.sizes.last();
    out << QStringLiteral("   %1").arg(QStringLiteral("operation"), -14);
    for (int functions : options.sizes)
        out << QStringLiteral("%1").arg(functions, 10);
    out << QStringLiteral("   ratio  verdict\n");
    const char* scaled[] = {"read/model",    "write/model", "json/model", "merge-admin",
                            "merge-profile", "merge-adopt", "compile"};
    for (const char* operation : scaled) {
        out << QStringLiteral("   %1").arg(QLatin1String(operation), -14);
        for (int functions : options.sizes) {
            const double seconds = reporter.best(benchName(operation, functions));
            if (seconds < 0)
                out << QStringLiteral("%1").arg(QStringLiteral("-"), 10);
            else
                out << QStringLiteral("%1").arg(seconds * 1e6 / functions, 10, 'f', 3);
        }
        const double first = reporter.best(benchName(operation, smallest));
        const double last = reporter.best(benchName(operation, largest));
        if (first > 0 && last > 0 && largest > smallest) {
            const double ratio = (last / largest) / (first / smallest);
            out << QStringLiteral("%1  %2\n").arg(ratio, 8, 'f', 2).arg(verdict(ratio, 1.3));
        } else {
            out << "\n";
        }
    }
    out << "\n";
}

void printMemory(QTextStream& out, const MemoryFigures* memory)
{
    out << "5. Memory of a process holding a parsed project, target: held <= file size\n";
    if (!memory) {
        out << "   not measured (--no-memory)\n";
        return;
    }
    if (!memory->ok) {
        out << "   the measurement failed\n";
        return;
    }
    const double held = double(memory->heldBytes);
    out << QStringLiteral("   %1 functions, file %2 MB\n")
               .arg(memory->functions)
               .arg(memory->fileBytes / 1e6, 0, 'f', 1);
    out << QStringLiteral("   resident before the parse %1 MB, peak %2 MB\n")
               .arg(memory->beforeBytes / 1e6, 0, 'f', 1)
               .arg(memory->peakBytes / 1e6, 0, 'f', 1);
    out << QStringLiteral("   held by the project %1 MB = %2 bytes per function, "
                          "%3 x the file size  %4\n")
               .arg(held / 1e6, 0, 'f', 1)
               .arg(held / memory->functions, 0, 'f', 0)
               .arg(held / memory->fileBytes, 0, 'f', 2)
               .arg(verdict(held / memory->fileBytes, 1.0));
    out << QStringLiteral("   peak of the whole process: %1 x the file size\n")
               .arg(double(memory->peakBytes) / memory->fileBytes, 0, 'f', 2);
}

void printInputs(QTextStream& out, const Options& options,
                 QMap<int, std::shared_ptr<Inputs>>& cache)
{
    out << "\nInputs (generated at run time; floors x rooms x functions per room):\n";
    for (int functions : options.sizes) {
        std::shared_ptr<Inputs> inputs = cache.value(functions);
        if (!inputs || !inputs->generated())
            continue;
        const Shape shape = Shape::cube(functions);
        const Installation& installation = inputs->admin();
        out << QStringLiteral("   %1 functions: %2 x %3 x %4, XML %5 MB, JSON %6 MB, "
                              "%7 groups, %8 scenes\n")
                   .arg(functions, 7)
                   .arg(shape.floors())
                   .arg(shape.roomsPerFloor)
                   .arg(shape.functionsPerRoom)
                   .arg(installation.xml.size() / 1e6, 0, 'f', 1)
                   .arg((installation.buildingJson.size() + installation.groupsJson.size() +
                         installation.scenesJson.size() + installation.functionsJson.size()) /
                            1e6,
                        0, 'f', 1)
                   .arg(installation.groups)
                   .arg(installation.scenes);
    }
}

void printSummary(const Options& options, const SummaryReporter& reporter,
                  QMap<int, std::shared_ptr<Inputs>>& cache, const MemoryFigures* memory)
{
    QTextStream out(stdout);
    out << "\n=== Casarina-projects performance summary ===\n";
    out << "Best CPU time per iteration over " << options.repetitions
        << " repetitions; ratios are model / baseline.\n";
    out << QDateTime::currentDateTime().toString(Qt::ISODate) << ", "
        << QSysInfo::prettyProductName() << ", " << QThread::idealThreadCount()
        << " logical CPUs, Qt " << qVersion() << "\n\n";
    printRatios(out, options, reporter);
    printScaling(out, options, reporter);
    printMemory(out, memory);
    printInputs(out, options, cache);
    out.flush();
}

// One operation on the inputs of one size, with callgrind collecting only while it runs.
int countInstructions(const QString& operation, int functions, int times)
{
    Inputs inputs(functions);
    const Installation& installation = inputs.admin();
    std::function<void()> run;
    Project own;
    QList<QUuid> none;
    // Results are kept to the end, so that no run pays for freeing the one before.
    QList<Project> kept;
    if (operation == QLatin1String("read-model")) {
        run = [&] { kept.append(readModel(installation.xml)); };
    } else if (operation == QLatin1String("read-bare")) {
        run = [&] { readBare(installation.xml); };
    } else if (operation == QLatin1String("write-model")) {
        const Project& project = inputs.adminProject();
        const int size = inputs.written().size();
        run = [&, size] { writeModel(project, size); };
    } else if (operation == QLatin1String("write-bare")) {
        const QVector<XmlEvent>& events = inputs.writtenEvents();
        const int size = inputs.written().size();
        run = [&, size] { writeBare(events, size); };
    } else if (operation == QLatin1String("json-model")) {
        run = [&] { kept.append(importJson(installation)); };
    } else if (operation == QLatin1String("json-bare")) {
        run = [&] { parseJsonBare(installation); };
    } else if (operation == QLatin1String("merge-admin") ||
               operation == QLatin1String("merge-profile") ||
               operation == QLatin1String("merge-adopt")) {
        const Project& other = inputs.profileProject();
        own = readModel(installation.xml);
        if (operation == QLatin1String("merge-admin"))
            run = [&] { mergeAdmin(own, other); };
        else if (operation == QLatin1String("merge-profile"))
            run = [&] { mergeKeepOwnValues(own, other); };
        else
            run = [&] { mergeAdoptStructure(own, other); };
    } else if (operation == QLatin1String("compile")) {
        const Project& project = inputs.adminProject();
        run = [&] { compileScenes(project, installation); };
    } else {
        std::fprintf(stderr, "unknown operation %s\n", qPrintable(operation));
        return 2;
    }
    timespec start;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    CALLGRIND_START_INSTRUMENTATION;
    for (int i = 0; i < times; ++i)
        run();
    CALLGRIND_STOP_INSTRUMENTATION;
    timespec end;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    std::fprintf(stderr, "%s: %.3f ms CPU per run\n", qPrintable(operation),
                 ((end.tv_sec - start.tv_sec) * 1e3 + (end.tv_nsec - start.tv_nsec) / 1e6) / times);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--memory-child") == 0)
        return memoryChild(QString::fromLocal8Bit(argv[2]));
    if ((argc == 4 || argc == 5) && qstrcmp(argv[1], "--generate") == 0) {
        const Installation installation = generate(Shape::cube(std::max(1, atoi(argv[2]))));
        QFile file(QString::fromLocal8Bit(argv[3]));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(installation.xml) != installation.xml.size())
            return 1;
        if (argc == 4)
            return 0;
        // The device datapoint table in the tool's form, for export-scenes.
        QJsonArray datapoints;
        for (const QString& address : sortedKeys(installation.addressToId)) {
            const int id = installation.addressToId.value(address);
            QJsonObject entry{{QStringLiteral("address"), address}, {QStringLiteral("id"), id}};
            if (installation.idToFormat.contains(id))
                entry.insert(QStringLiteral("format"), installation.idToFormat.value(id));
            datapoints.append(entry);
        }
        QFile table(QString::fromLocal8Bit(argv[4]));
        const QByteArray json =
            QJsonDocument(QJsonObject{{QStringLiteral("datapoints"), datapoints}}).toJson();
        return table.open(QIODevice::WriteOnly) && table.write(json) == json.size() ? 0 : 1;
    }

    // The merges trace every function at debug level; a host that does not read the trace
    // filters it out, and so does the benchmark.
    QLoggingCategory::setFilterRules(QStringLiteral("casarina.projects.merge.debug=false"));

    if ((argc == 4 || argc == 5) && qstrcmp(argv[1], "--count") == 0)
        return countInstructions(QString::fromLocal8Bit(argv[2]), std::max(1, atoi(argv[3])),
                                 argc == 5 ? std::max(1, atoi(argv[4])) : 1);

    Options options = takeOptions(&argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QCoreApplication application(argc, argv);

    QMap<int, std::shared_ptr<Inputs>> cache;
    registerBenchmarks(options, cache);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    MemoryFigures memory;
    if (options.memory)
        memory = measureMemory(options.memorySize, cache);
    printSummary(options, reporter, cache, options.memory ? &memory : nullptr);
    return 0;
}
