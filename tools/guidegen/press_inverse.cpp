#include "press_inverse.h"

#include <cmath>
#include <utility>

#include "press_model.h"

namespace {

// Weight of a departure from the black of the rule, per percent of black,
// in CIELAB units. The search first holds black near the rule, then lets it
// go almost free so a printable colour is matched exactly, with the rule
// deciding only among recipes that print the same colour.
const double firm_black_weight = 0.25;
const double loose_black_weight = 0.01;
const int max_iterations = 200;

double clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }

// Nearest point in the unit box that respects the ink limit; black is kept
// and the colour inks give way in proportion.
void project(double x[4])
{
    for (int i = 0; i < 4; ++i) x[i] = clamp01(x[i]);
    double cmy = x[0] + x[1] + x[2];
    double room = total_ink_limit - x[3];
    if (cmy > room && cmy > 0.0) {
        double f = room / cmy;
        for (int i = 0; i < 3; ++i) x[i] *= f;
    }
}

struct residual {
    double r[4];
    double cost() const { return r[0] * r[0] + r[1] * r[1] + r[2] * r[2] + r[3] * r[3]; }
};

residual evaluate(const double x[4], const lab_value& target, double black, double black_weight)
{
    lab_value lab = xyz_to_lab_d50(press_forward(cmyk_value{x[0], x[1], x[2], x[3]}));
    return residual{{lab.l - target.l, lab.a - target.a, lab.b - target.b, black_weight * 100.0 * (x[3] - black)}};
}

// Solves the 4 x 4 system a * d = b by Gaussian elimination with partial
// pivoting; false when it is singular.
bool solve4(double a[4][4], double b[4], double d[4])
{
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int row = col + 1; row < 4; ++row)
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
        if (std::fabs(a[pivot][col]) < 1e-14) return false;
        if (pivot != col) {
            for (int k = 0; k < 4; ++k) std::swap(a[col][k], a[pivot][k]);
            std::swap(b[col], b[pivot]);
        }
        for (int row = col + 1; row < 4; ++row) {
            double f = a[row][col] / a[col][col];
            for (int k = col; k < 4; ++k) a[row][k] -= f * a[col][k];
            b[row] -= f * b[col];
        }
    }
    for (int row = 3; row >= 0; --row) {
        double s = b[row];
        for (int k = row + 1; k < 4; ++k) s -= a[row][k] * d[k];
        d[row] = s / a[row][row];
    }
    return true;
}

// Projected Levenberg-Marquardt from a start point; returns the final cost.
double refine(double x[4], const lab_value& target, double black, double black_weight)
{
    project(x);
    residual cur = evaluate(x, target, black, black_weight);
    double mu = 1e-3;
    for (int it = 0; it < max_iterations; ++it) {
        double jac[4][4];  // jac[residual][variable]
        for (int v = 0; v < 4; ++v) {
            double h = x[v] > 0.5 ? -1e-5 : 1e-5;
            double moved[4] = {x[0], x[1], x[2], x[3]};
            moved[v] += h;
            residual r = evaluate(moved, target, black, black_weight);
            for (int k = 0; k < 4; ++k) jac[k][v] = (r.r[k] - cur.r[k]) / h;
        }
        // An ink held at 0 or 100 % that the descent would push further
        // out stays where it is; the others move without it, so a bound
        // does not stall the search.
        bool held[4];
        for (int v = 0; v < 4; ++v) {
            double g = 0.0;
            for (int k = 0; k < 4; ++k) g += jac[k][v] * cur.r[k];
            held[v] = (x[v] <= 0.0 && g > 0.0) || (x[v] >= 1.0 && g < 0.0);
        }
        bool improved = false;
        while (mu < 1e8) {
            double a[4][4], b[4], d[4];
            for (int i = 0; i < 4; ++i) {
                for (int j = 0; j < 4; ++j) {
                    double s = 0.0;
                    for (int k = 0; k < 4; ++k) s += jac[k][i] * jac[k][j];
                    a[i][j] = held[i] || held[j] ? (i == j ? 1.0 : 0.0) : s;
                }
                a[i][i] += mu * (1.0 + a[i][i]);
                double s = 0.0;
                for (int k = 0; k < 4; ++k) s += jac[k][i] * cur.r[k];
                b[i] = held[i] ? 0.0 : -s;
            }
            if (!solve4(a, b, d)) {
                mu *= 4.0;
                continue;
            }
            double next[4] = {x[0] + d[0], x[1] + d[1], x[2] + d[2], x[3] + d[3]};
            project(next);
            residual r = evaluate(next, target, black, black_weight);
            if (r.cost() < cur.cost()) {
                double step = std::fabs(next[0] - x[0]) + std::fabs(next[1] - x[1]) + std::fabs(next[2] - x[2]) +
                              std::fabs(next[3] - x[3]);
                for (int i = 0; i < 4; ++i) x[i] = next[i];
                cur = r;
                mu = mu / 3.0 < 1e-7 ? 1e-7 : mu / 3.0;
                improved = step > 1e-9;
                break;
            }
            mu *= 4.0;
        }
        if (!improved) break;
    }
    return cur.cost();
}

}  // namespace

double black_generation(const lab_value& target)
{
    double darkness = clamp01((70.0 - target.l) / (70.0 - 16.0));
    double neutrality = clamp01(1.0 - lab_chroma(target) / 60.0);
    return std::pow(darkness, 1.4) * (1.0 / 3.0 + 2.0 / 3.0 * neutrality);
}

cmyk_value press_inverse(const lab_value& target)
{
    const double black = black_generation(target);
    // Coarse search over the colour inks at the rule's black, then refine
    // the two best starting points; a fixed order keeps the result the same
    // on every run.
    const int steps = 6;
    double best_start[2][4] = {};
    double best_cost[2] = {1e300, 1e300};
    for (int c = 0; c < steps; ++c) {
        for (int m = 0; m < steps; ++m) {
            for (int y = 0; y < steps; ++y) {
                double x[4] = {c / (steps - 1.0), m / (steps - 1.0), y / (steps - 1.0), black};
                project(x);
                double cost = evaluate(x, target, black, firm_black_weight).cost();
                if (cost < best_cost[0]) {
                    best_cost[1] = best_cost[0];
                    for (int i = 0; i < 4; ++i) best_start[1][i] = best_start[0][i];
                    best_cost[0] = cost;
                    for (int i = 0; i < 4; ++i) best_start[0][i] = x[i];
                } else if (cost < best_cost[1]) {
                    best_cost[1] = cost;
                    for (int i = 0; i < 4; ++i) best_start[1][i] = x[i];
                }
            }
        }
    }
    double result[4] = {};
    double result_cost = 1e300;
    for (int s = 0; s < 2; ++s) {
        double x[4] = {best_start[s][0], best_start[s][1], best_start[s][2], best_start[s][3]};
        refine(x, target, black, firm_black_weight);
        double cost = refine(x, target, black, loose_black_weight);
        if (cost < result_cost) {
            result_cost = cost;
            for (int i = 0; i < 4; ++i) result[i] = x[i];
        }
    }
    return cmyk_value{result[0], result[1], result[2], result[3]};
}

void press_inverse_tenths(const lab_value& target, uint16_t tenths[4])
{
    const cmyk_value ink = press_inverse(target);
    const double v[4] = {ink.c, ink.m, ink.y, ink.k};
    const long limit = std::lround(total_ink_limit * 1000.0);
    long t[4];
    for (int i = 0; i < 4; ++i) {
        t[i] = std::lround(v[i] * 1000.0);
        t[i] = t[i] < 0 ? 0 : (t[i] > 1000 ? 1000 : t[i]);
    }
    long total = t[0] + t[1] + t[2] + t[3];
    if (total > limit) {
        int largest = 0;
        for (int i = 1; i < 3; ++i)
            if (t[i] > t[largest]) largest = i;
        t[largest] -= total - limit;
    }

    const double black = black_generation(target);
    auto cost_of = [&](const long r[4]) {
        const double x[4] = {r[0] / 1000.0, r[1] / 1000.0, r[2] / 1000.0, r[3] / 1000.0};
        return evaluate(x, target, black, loose_black_weight).cost();
    };
    double best = cost_of(t);
    for (int round = 0; round < 50; ++round) {
        int best_ink = -1, best_step = 0;
        for (int i = 0; i < 4; ++i) {
            for (int step = -1; step <= 1; step += 2) {
                long moved[4] = {t[0], t[1], t[2], t[3]};
                moved[i] += step;
                if (moved[i] < 0 || moved[i] > 1000 || moved[0] + moved[1] + moved[2] + moved[3] > limit) continue;
                double c = cost_of(moved);
                if (c < best) best = c, best_ink = i, best_step = step;
            }
        }
        if (best_ink < 0) break;
        t[best_ink] += best_step;
    }
    for (int i = 0; i < 4; ++i) tenths[i] = static_cast<uint16_t>(t[i]);
}
