#pragma once
// A console reporter that keeps the median of every benchmark's runs for the summary printed at
// the end: the median of the runs it saw (one run without repetitions, so its own time), or the
// median aggregate when only aggregates are reported. The summary is right however it is run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

class TMedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override {
        ConsoleReporter::ReportRuns(Runs);
        for (const Run& r : Runs) {
            const std::string name = r.run_name.function_name;
            if (r.run_type == Run::RT_Iteration)
                FRuns[name].push_back(r);
            else if (r.aggregate_name == "median")
                FAggregates[name] = r;
        }
    }
    bool Ran(const std::string& Name) const {
        return FRuns.count(Name) != 0 || FAggregates.count(Name) != 0;
    }
    // Real time per iteration in the benchmark's unit; 0 when it did not run.
    double Time(const std::string& Name) const {
        return Median(Name, [](const Run& R) { return R.GetAdjustedRealTime(); });
    }
    double Counter(const std::string& Name, const std::string& C) const {
        return Median(Name, [&](const Run& R) {
            auto c = R.counters.find(C);
            return c == R.counters.end() ? 0.0 : double(c->second);
        });
    }

private:
    template <class F> double Median(const std::string& Name, F Value) const {
        if (auto it = FRuns.find(Name); it != FRuns.end()) {
            std::vector<double> v;
            for (const Run& r : it->second) v.push_back(Value(r));
            std::sort(v.begin(), v.end());
            const size_t n = v.size();
            return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
        }
        auto it = FAggregates.find(Name);
        return it == FAggregates.end() ? 0.0 : Value(it->second);
    }

    std::map<std::string, std::vector<Run>> FRuns;
    std::map<std::string, Run> FAggregates;
};
