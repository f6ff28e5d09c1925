#include "fitter.h"

#include <unsupported/Eigen/FFT>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <numeric>

namespace seriesfit {

namespace {

// The constant the program uses to turn degrees into radians; rates and
// phases are written with it so that the program reproduces the fitted angle.
constexpr double kProgramPi = 3.14159265358979;
constexpr double kTwoPi = 6.283185307179586476925286766559;
constexpr double kRadToArcmin = 60.0 * 180.0 / 3.141592653589793238462643383280;

// cos(w*t_i), sin(w*t_i) for t_i = t0 + i*dt, by a rotation recurrence that
// is re-seeded from the library functions every 256 samples.
void Phasors(double w, double t0, double dt, int n, double* c, double* s)
{
    const double cd = std::cos(w * dt);
    const double sd = std::sin(w * dt);
    for (int i0 = 0; i0 < n; i0 += 256) {
        double cc = std::cos(w * (t0 + i0 * dt));
        double ss = std::sin(w * (t0 + i0 * dt));
        const int i1 = std::min(n, i0 + 256);
        for (int i = i0; i < i1; ++i) {
            c[i] = cc;
            s[i] = ss;
            const double nc = cc * cd - ss * sd;
            ss = ss * cd + cc * sd;
            cc = nc;
        }
    }
}

}  // namespace

SeriesFitter::SeriesFitter(Eigen::VectorXd t, Eigen::VectorXd y, Eigen::VectorXd scale,
                           std::vector<char> inWindow)
    : n_(static_cast<int>(t.size())), t_(std::move(t)), y_(std::move(y)),
      scale_(std::move(scale)), inWindow_(std::move(inWindow))
{
    t0_ = t_(0);
    dt_ = (t_(n_ - 1) - t_(0)) / (n_ - 1);
    for (int i = 0; i < n_; ++i) t_(i) = t0_ + i * dt_;
    const double span = n_ * dt_;
    minSep_ = 0.5 * kTwoPi / span;  // half a cycle per fitted interval

    // Remove a weighted straight line so the normal equations work on small numbers.
    Eigen::MatrixXd a(n_, 2);
    a.col(0) = scale_;
    a.col(1) = scale_.cwiseProduct(t_);
    const Eigen::Vector2d b = a.colPivHouseholderQr().solve(scale_.cwiseProduct(y_));
    base0_ = b(0);
    base1_ = b(1);
    for (int i = 0; i < n_; ++i) y_(i) -= base0_ + base1_ * t_(i);

    sw_ = scale_;
    swy_ = sw_.cwiseProduct(y_);
}

int SeriesFitter::RecordCount() const
{
    int count = 0;
    for (const Column& c : cols_) {
        if (c.kind == Kind::Const || c.kind == Kind::Trend || c.kind == Kind::Cos || c.kind == Kind::TCos)
            ++count;
    }
    return count;
}

void SeriesFitter::FillColumn(const Column& c, double* out) const
{
    switch (c.kind) {
    case Kind::Const:
        for (int i = 0; i < n_; ++i) out[i] = sw_(i);
        return;
    case Kind::Trend:
        for (int i = 0; i < n_; ++i) out[i] = sw_(i) * t_(i);
        return;
    default:
        break;
    }
    std::vector<double> cs(n_), sn(n_);
    Phasors(omega_[c.freq], t0_, dt_, n_, cs.data(), sn.data());
    const bool useSin = c.kind == Kind::Sin || c.kind == Kind::TSin;
    const bool timesT = c.kind == Kind::TCos || c.kind == Kind::TSin;
    for (int i = 0; i < n_; ++i) {
        double v = useSin ? sn[i] : cs[i];
        if (timesT) v *= t_(i);
        out[i] = sw_(i) * v;
    }
}

void SeriesFitter::AppendColumns(const std::vector<Column>& cs)
{
    const int k = static_cast<int>(cs.size());
    for (int j = 0; j < k; ++j) {
        FillColumn(cs[j], x_.col(m_ + j).data());
        cols_.push_back(cs[j]);
    }
    g_.block(0, m_, m_ + k, k).noalias() = x_.leftCols(m_ + k).transpose() * x_.middleCols(m_, k);
    g_.block(m_, 0, k, m_) = g_.block(0, m_, m_, k).transpose();
    rhs_.segment(m_, k).noalias() = x_.middleCols(m_, k).transpose() * swy_;
    m_ += k;
}

void SeriesFitter::Truncate(int m)
{
    cols_.resize(m);
    m_ = m;
}

void SeriesFitter::Solve()
{
    const Eigen::VectorXd d = g_.diagonal().head(m_).cwiseSqrt().cwiseInverse();
    const Eigen::MatrixXd a = d.asDiagonal() * g_.topLeftCorner(m_, m_) * d.asDiagonal();
    coef_ = d.cwiseProduct(a.ldlt().solve(d.cwiseProduct(rhs_.head(m_))));
    rw_ = swy_;
    rw_.noalias() -= x_.leftCols(m_) * coef_;
}

void SeriesFitter::Rebuild()
{
    for (int j = 0; j < m_; ++j) FillColumn(cols_[j], x_.col(j).data());
    Eigen::MatrixXd lower = Eigen::MatrixXd::Zero(m_, m_);
    lower.selfadjointView<Eigen::Lower>().rankUpdate(x_.leftCols(m_).transpose());
    g_.topLeftCorner(m_, m_) = lower.selfadjointView<Eigen::Lower>();
    rhs_.head(m_).noalias() = x_.leftCols(m_).transpose() * swy_;
    Solve();
}

double SeriesFitter::WindowMaxError() const
{
    double mx = 0;
    for (int i = 0; i < n_; ++i) {
        if (!inWindow_[i]) continue;
        mx = std::max(mx, std::abs(rw_(i) / sw_(i)) * scale_(i));
    }
    return mx;
}

bool SeriesFitter::SeparatedFromChosen(double omega, int skip) const
{
    if (omega < minSep_) return false;
    for (int f = 0; f < static_cast<int>(omega_.size()); ++f) {
        if (f != skip && std::abs(omega - omega_[f]) < minSep_) return false;
    }
    return true;
}

double SeriesFitter::SpectrumPower(const Eigen::VectorXd& z, double omega) const
{
    std::vector<double> c(n_), s(n_);
    Phasors(omega, t0_, dt_, n_, c.data(), s.data());
    double re = 0, im = 0;
    for (int i = 0; i < n_; ++i) {
        re += z(i) * c[i];
        im -= z(i) * s[i];
    }
    return re * re + im * im;
}

bool SeriesFitter::FindNewFrequency(double& omega) const
{
    const Eigen::VectorXd z = sw_.cwiseProduct(rw_);
    int len = 1;
    while (len < 4 * n_) len *= 2;
    std::vector<std::complex<double>> in(len, 0.0), out;
    for (int i = 0; i < n_; ++i) in[i] = z(i);
    Eigen::FFT<double> fft;
    fft.fwd(out, in);

    const double binW = kTwoPi / (len * dt_);
    const int half = len / 2;
    std::vector<char> allowed(half, 1);
    auto block = [&](double w) {
        const int lo = std::max(0, static_cast<int>(std::floor((w - minSep_) / binW)));
        const int hi = std::min(half - 1, static_cast<int>(std::ceil((w + minSep_) / binW)));
        for (int k = lo; k <= hi; ++k) allowed[k] = 0;
    };
    block(0.0);
    for (double w : omega_) block(w);

    int best = -1;
    double bestP = 0;
    for (int k = 1; k < half; ++k) {
        if (!allowed[k]) continue;
        const double p = std::norm(out[k]);
        if (p > bestP) {
            bestP = p;
            best = k;
        }
    }
    if (best < 0) return false;

    // Golden-section search for the peak within one bin either side.
    double lo = (best - 1) * binW, hi = (best + 1) * binW;
    const double gr = 0.5 * (std::sqrt(5.0) - 1.0);
    double x1 = hi - gr * (hi - lo), x2 = lo + gr * (hi - lo);
    double f1 = SpectrumPower(z, x1), f2 = SpectrumPower(z, x2);
    for (int it = 0; it < 30; ++it) {
        if (f1 > f2) {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - gr * (hi - lo);
            f1 = SpectrumPower(z, x1);
        } else {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + gr * (hi - lo);
            f2 = SpectrumPower(z, x2);
        }
    }
    const double refined = 0.5 * (lo + hi);
    omega = SeparatedFromChosen(refined, -1) ? refined : best * binW;
    return true;
}

void SeriesFitter::AddBest()
{
    struct Candidate {
        std::vector<Column> cols;
        int newFreq = -1;   // >= 0: a new frequency is appended
        int tPartner = -1;  // >= 0: the T-multiplied partner of this frequency
        double ssr = 0;
    };
    std::vector<Candidate> candidates;

    double wNew = 0;
    if (FindNewFrequency(wNew)) {
        Candidate c;
        c.newFreq = static_cast<int>(omega_.size());
        c.cols = {{Kind::Cos, c.newFreq}, {Kind::Sin, c.newFreq}};
        candidates.push_back(c);
    }

    // Rough gain of each T-multiplied partner: residual correlation with
    // (T - mean T) times the sinusoid; the two best are tried exactly.
    {
        const Eigen::VectorXd w2 = sw_.cwiseAbs2();
        const double tbar = w2.dot(t_) / w2.sum();
        Eigen::VectorXd dtw(n_);
        double den = 0;
        for (int i = 0; i < n_; ++i) {
            dtw(i) = sw_(i) * (t_(i) - tbar);
            den += dtw(i) * dtw(i);
        }
        // Only the larger sinusoids are worth a secular partner.
        std::vector<std::pair<double, int>> byAmp;
        for (int j = 0; j < m_; ++j) {
            if (cols_[j].kind != Kind::Cos) continue;
            const int f = cols_[j].freq;
            if (hasT_[f]) continue;
            double a = coef_(j), b = 0;
            for (int k = 0; k < m_; ++k)
                if (cols_[k].kind == Kind::Sin && cols_[k].freq == f) b = coef_(k);
            byAmp.push_back({-std::hypot(a, b), f});
        }
        std::sort(byAmp.begin(), byAmp.end());
        if (byAmp.size() > 60) byAmp.resize(60);
        std::vector<std::pair<double, int>> gains;
        std::vector<double> c(n_), s(n_);
        for (const auto& [negAmp, f] : byAmp) {
            Phasors(omega_[f], t0_, dt_, n_, c.data(), s.data());
            double re = 0, im = 0;
            for (int i = 0; i < n_; ++i) {
                re += rw_(i) * dtw(i) * c[i];
                im -= rw_(i) * dtw(i) * s[i];
            }
            gains.push_back({-(re * re + im * im) / den, f});
        }
        std::sort(gains.begin(), gains.end());
        for (int k = 0; k < static_cast<int>(gains.size()) && k < 2; ++k) {
            Candidate cand;
            cand.tPartner = gains[k].second;
            cand.cols = {{Kind::TCos, cand.tPartner}, {Kind::TSin, cand.tPartner}};
            candidates.push_back(cand);
        }
    }
    if (candidates.empty()) return;

    const int m0 = m_;
    for (Candidate& cand : candidates) {
        if (cand.newFreq >= 0) omega_.push_back(wNew), hasT_.push_back(0);
        AppendColumns(cand.cols);
        Solve();
        cand.ssr = Ssr();
        Truncate(m0);
        if (cand.newFreq >= 0) omega_.pop_back(), hasT_.pop_back();
    }
    const Candidate& best = *std::min_element(
        candidates.begin(), candidates.end(),
        [](const Candidate& a, const Candidate& b) { return a.ssr < b.ssr; });
    if (best.newFreq >= 0) omega_.push_back(wNew), hasT_.push_back(0);
    if (best.tPartner >= 0) hasT_[best.tPartner] = 1;
    AppendColumns(best.cols);
    Solve();
}

void SeriesFitter::RefineFrequencies(int iterations)
{
    const int p = static_cast<int>(omega_.size());
    if (p == 0) return;
    for (int it = 0; it < iterations; ++it) {
        // Jacobian of the model with respect to each frequency.
        Eigen::MatrixXd d = Eigen::MatrixXd::Zero(n_, p);
        std::vector<double> c(n_), s(n_);
        for (int f = 0; f < p; ++f) {
            Phasors(omega_[f], t0_, dt_, n_, c.data(), s.data());
            for (int j = 0; j < m_; ++j) {
                if (cols_[j].freq != f) continue;
                const double a = coef_(j);
                switch (cols_[j].kind) {
                case Kind::Cos:
                    for (int i = 0; i < n_; ++i) d(i, f) -= a * t_(i) * s[i];
                    break;
                case Kind::Sin:
                    for (int i = 0; i < n_; ++i) d(i, f) += a * t_(i) * c[i];
                    break;
                case Kind::TCos:
                    for (int i = 0; i < n_; ++i) d(i, f) -= a * t_(i) * t_(i) * s[i];
                    break;
                case Kind::TSin:
                    for (int i = 0; i < n_; ++i) d(i, f) += a * t_(i) * t_(i) * c[i];
                    break;
                default:
                    break;
                }
            }
            for (int i = 0; i < n_; ++i) d(i, f) *= sw_(i);
        }
        const int q = m_ + p;
        Eigen::MatrixXd h(q, q);
        h.topLeftCorner(m_, m_) = g_.topLeftCorner(m_, m_);
        h.topRightCorner(m_, p).noalias() = x_.leftCols(m_).transpose() * d;
        h.bottomLeftCorner(p, m_) = h.topRightCorner(m_, p).transpose();
        h.bottomRightCorner(p, p).noalias() = d.transpose() * d;
        Eigen::VectorXd g(q);
        g.head(m_).noalias() = x_.leftCols(m_).transpose() * rw_;
        g.tail(p).noalias() = d.transpose() * rw_;
        Eigen::VectorXd sc = h.diagonal().cwiseMax(1e-300).cwiseSqrt().cwiseInverse();
        const Eigen::MatrixXd hs = sc.asDiagonal() * h * sc.asDiagonal();
        const Eigen::VectorXd step = sc.cwiseProduct(hs.ldlt().solve(sc.cwiseProduct(g)));
        const Eigen::VectorXd dw = step.tail(p);

        const double ssr0 = Ssr();
        const std::vector<double> old = omega_;
        bool accepted = false;
        double lambda = 1.0;
        for (int tries = 0; tries < 5 && !accepted; ++tries, lambda *= 0.5) {
            for (int f = 0; f < p; ++f) omega_[f] = old[f] + lambda * dw(f);
            bool separated = true;
            for (int f = 0; f < p && separated; ++f) separated = SeparatedFromChosen(omega_[f], f);
            if (!separated) continue;
            Rebuild();
            accepted = Ssr() < ssr0;
        }
        if (!accepted) {
            omega_ = old;
            Rebuild();
            return;
        }
    }
}

std::vector<Term> SeriesFitter::Export() const
{
    std::vector<Term> head, rest;
    double c0 = base0_, c1 = base1_;
    for (int j = 0; j < m_; ++j) {
        if (cols_[j].kind == Kind::Const) c0 += coef_(j);
        if (cols_[j].kind == Kind::Trend) c1 += coef_(j);
    }
    head.push_back({c0, 0, 0.0, 0.0});
    head.push_back({c1, 1, 0.0, 0.0});
    for (int f = 0; f < static_cast<int>(omega_.size()); ++f) {
        double a = 0, b = 0, ta = 0, tb = 0;
        for (int j = 0; j < m_; ++j) {
            if (cols_[j].freq != f) continue;
            switch (cols_[j].kind) {
            case Kind::Cos: a = coef_(j); break;
            case Kind::Sin: b = coef_(j); break;
            case Kind::TCos: ta = coef_(j); break;
            case Kind::TSin: tb = coef_(j); break;
            default: break;
            }
        }
        // a cos x + b sin x = A cos(x + phi) with A = hypot(a, b), phi = atan2(-b, a).
        const double rate = omega_[f] * 180.0 / kProgramPi;
        rest.push_back({std::hypot(a, b), 0, rate, std::atan2(-b, a) * 180.0 / kProgramPi});
        if (hasT_[f]) rest.push_back({std::hypot(ta, tb), 1, rate, std::atan2(-tb, ta) * 180.0 / kProgramPi});
    }
    // Largest first: the program sums from the last record, so the small ones go in first.
    std::stable_sort(rest.begin(), rest.end(), [](const Term& x, const Term& y) {
        if (x.amplitude != y.amplitude) return x.amplitude > y.amplitude;
        return x.rate < y.rate;
    });
    head.insert(head.end(), rest.begin(), rest.end());
    return head;
}

void SeriesFitter::Run(const FitOptions& options)
{
    label_ = options.label;
    const int cap = 2 * options.budget + 4;
    x_.resize(n_, cap);
    g_.setZero(cap, cap);
    rhs_.setZero(cap);
    omega_.clear();
    hasT_.clear();
    cols_.clear();
    m_ = 0;
    AppendColumns({{Kind::Const, -1}, {Kind::Trend, -1}});
    Solve();

    auto report = [&](const char* what) {
        double ss = 0;
        int cnt = 0;
        for (int i = 0; i < n_; ++i) {
            if (!inWindow_[i]) continue;
            const double e = rw_(i) / sw_(i) * scale_(i);
            ss += e * e;
            ++cnt;
        }
        std::fprintf(stderr, "  %-10s %-9s records %3d  max %.4f'  rms %.4f'\n", label_.c_str(), what,
                     RecordCount(), WindowMaxError() * kRadToArcmin,
                     std::sqrt(ss / std::max(cnt, 1)) * kRadToArcmin);
    };

    int sinceRefine = 0;
    while (RecordCount() < options.budget) {
        const int before = RecordCount();
        AddBest();
        if (RecordCount() == before) break;
        if (++sinceRefine >= options.refineEvery) {
            RefineFrequencies(2);
            sinceRefine = 0;
            report("greedy");
        }
    }
    RefineFrequencies(3);
    report("refined");

    // Lawson-style reweighting: raise the weight where the error envelope is
    // large, keeping whichever solution has the smallest maximum.
    bestTerms_ = Export();
    double bestMax = WindowMaxError();
    Eigen::VectorXd mult = Eigen::VectorXd::Ones(n_);
    const int span = std::max(1, static_cast<int>(options.envelopeSpan));
    for (int round = 0; round < options.reweightRounds; ++round) {
        Eigen::VectorXd e(n_), env(n_);
        for (int i = 0; i < n_; ++i) e(i) = std::abs(rw_(i) / sw_(i)) * scale_(i);
        double mean = 0;
        for (int i = 0; i < n_; ++i) {
            double v = 0;
            for (int k = std::max(0, i - span); k <= std::min(n_ - 1, i + span); ++k) v = std::max(v, e(k));
            env(i) = v;
            mean += v;
        }
        mean /= n_;
        for (int i = 0; i < n_; ++i) mult(i) *= std::clamp(env(i) / mean, 0.2, 5.0);
        mult /= mult.mean();
        sw_ = scale_.cwiseProduct(mult.cwiseSqrt());
        swy_ = sw_.cwiseProduct(y_);
        Rebuild();
        RefineFrequencies(1);
        report("reweight");
        const double mx = WindowMaxError();
        if (mx < bestMax) {
            bestMax = mx;
            bestTerms_ = Export();
        }
    }
}

}  // namespace seriesfit
