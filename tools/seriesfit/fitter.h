// Greedy trigonometric-series fitter for uniformly sampled data.
//
// Model: y(T) ~ c0 + c1*T + sum_f [a_f cos(w_f T) + b_f sin(w_f T)]
//                         (+ T * [a'_f cos(w_f T) + b'_f sin(w_f T)] for some f)
// fitted by weighted linear least squares for the amplitudes, with the
// frequencies chosen one at a time from the residual spectrum and refined
// by Gauss-Newton steps.  Each cosine/sine pair becomes one record of a
// series file (amplitude and phase), so the term budget counts pairs.
#pragma once

#include <Eigen/Dense>

#include <string>
#include <vector>

namespace seriesfit {

// One record of a series file: A * cos((B*T + D) / 180 * pi), times T when P == 1.
struct Term {
    double amplitude = 0;
    int power = 0;
    double rate = 0;   // degrees per Julian century
    double phase = 0;  // degrees
};

struct FitOptions {
    int budget = 100;           // file records, constant and trend included
    int refineEvery = 20;       // joint frequency refinement after this many new records
    int reweightRounds = 4;     // rounds of error-driven reweighting at the end
    double envelopeSpan = 0.0;  // half-width (in samples) of the error envelope used to reweight
    std::string label;          // for progress messages
};

class SeriesFitter {
public:
    // t: uniformly spaced times (Julian centuries), y: values,
    // scale: angle error per unit of y at each sample (the base weight),
    // inWindow: samples that count for the reported maximum (validity window).
    SeriesFitter(Eigen::VectorXd t, Eigen::VectorXd y, Eigen::VectorXd scale,
                 std::vector<char> inWindow);

    void Run(const FitOptions& options);

    // Records ready for a file; the program's pi converts radians to degrees.
    std::vector<Term> Terms() const { return bestTerms_; }

private:
    enum class Kind { Const, Trend, Cos, Sin, TCos, TSin };
    struct Column {
        Kind kind;
        int freq;  // index into omega_ (unused for Const/Trend)
    };

    int RecordCount() const;
    void FillColumn(const Column& c, double* out) const;
    void AppendColumns(const std::vector<Column>& cs);
    void Truncate(int m);
    void Solve();
    void Rebuild();
    double Ssr() const { return rw_.squaredNorm(); }
    double WindowMaxError() const;

    bool FindNewFrequency(double& omega) const;
    bool SeparatedFromChosen(double omega, int skip) const;
    double SpectrumPower(const Eigen::VectorXd& z, double omega) const;
    void RefineFrequencies(int iterations);
    void AddBest();
    std::vector<Term> Export() const;

    // data
    int n_;
    double t0_, dt_;
    Eigen::VectorXd t_, y_, scale_, sw_, swy_;
    std::vector<char> inWindow_;
    double base0_ = 0, base1_ = 0;  // baseline removed from y before fitting
    double minSep_;                 // smallest allowed frequency spacing (rad/century)

    // model
    std::vector<double> omega_;
    std::vector<char> hasT_;
    std::vector<Column> cols_;
    Eigen::MatrixXd x_;  // weighted design matrix, capacity columns
    Eigen::MatrixXd g_;  // Gram matrix of x_
    Eigen::VectorXd rhs_, coef_, rw_;
    int m_ = 0;

    std::vector<Term> bestTerms_;
    std::string label_;
};

}  // namespace seriesfit
