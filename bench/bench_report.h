// How a benchmark tells its figures: every timed figure as the median and the slowest of
// its runs with the count of runs, beside its target; single values (memory) beside theirs;
// and correctness checks, a failed one of which fails the whole run (exit code 1).
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

class Report {
public:
    // A timed figure: `samples` in milliseconds. A target of 0 or less is not checked.
    void Times(const std::string& what, std::vector<double> samples, double medianTarget, double slowestTarget)
    {
        if (samples.empty()) {
            Check(false, what + ": no run completed");
            return;
        }
        std::sort(samples.begin(), samples.end());
        const double median = samples[samples.size() / 2];
        const double slowest = samples.back();
        std::string target, verdict = "ok";
        if (medianTarget > 0) {
            target += "median <= " + Number(medianTarget) + " ms";
            if (median > medianTarget)
                verdict = "MISSED";
        }
        if (slowestTarget > 0) {
            target += std::string(target.empty() ? "" : ", ") + "slowest <= " + Number(slowestTarget) + " ms";
            if (slowest > slowestTarget)
                verdict = "MISSED";
        }
        if (target.empty())
            verdict = "";
        std::printf("  %-58s median %9.2f  slowest %9.2f ms  runs %3zu  %s%s%s\n", what.c_str(), median, slowest,
                    samples.size(), target.empty() ? "" : "(", (target + (target.empty() ? "" : ") ")).c_str(),
                    verdict.c_str());
        std::fflush(stdout);
    }

    // A single value beside its target (at most `target`).
    void Value(const std::string& what, double value, const char* unit, double target)
    {
        std::printf("  %-58s %9.2f %-5s (<= %s %s) %s\n", what.c_str(), value, unit, Number(target).c_str(), unit,
                    value <= target ? "ok" : "MISSED");
        std::fflush(stdout);
    }

    void Note(const std::string& text)
    {
        std::printf("  %s\n", text.c_str());
        std::fflush(stdout);
    }

    // A correctness check: a mismatch is printed and fails the run.
    bool Check(bool ok, const std::string& what)
    {
        if (!ok) {
            std::printf("  MISMATCH: %s\n", what.c_str());
            std::fflush(stdout);
            failed_ = true;
        }
        return ok;
    }

    int ExitCode() const { return failed_ ? 1 : 0; }

private:
    static std::string Number(double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    }

    bool failed_ = false;
};

} // namespace bench
