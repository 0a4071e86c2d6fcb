"""The benchmark's figures. Every round measures each method of a row once, back to
back, so a burst of load from elsewhere falls on one round of both methods rather than
on all rounds of one: each round gives its own ratio, and a row reports the median and
the minimum of those ratios with their spread (largest minus smallest). The verdict
goes by the median.
"""
import math
import statistics


class Rounds:
    """Per row, one {method: value} record per round."""

    def __init__(self):
        self.rows = {}

    def add(self, row, **values):
        self.rows.setdefault(row, []).append(values)

    def count(self, row):
        return len(self.rows.get(row, []))

    def values(self, row, method):
        return [r[method] for r in self.rows.get(row, []) if method in r]

    def median(self, row, method):
        return statistics.median(self.values(row, method))

    def ratios(self, row, numerator, denominator):
        """One ratio per round that measured both methods."""
        return [r[numerator] / r[denominator] for r in self.rows.get(row, [])
                if numerator in r and denominator in r and r[denominator] > 0]


class Summary:
    def __init__(self, values):
        if not values:
            raise ValueError("no values to sum up")
        self.median = statistics.median(values)
        self.minimum = min(values)
        self.maximum = max(values)
        self.count = len(values)

    @property
    def spread(self):
        return self.maximum - self.minimum


def judge(summary, limit, strict=False):
    """(holds, text): the median against the limit (≤, or < when strict). The text
    says when the rounds fell on both sides of the limit, so that a verdict another
    run may turn is seen as such."""
    def within(x):
        return x < limit if strict else x <= limit

    holds = within(summary.median)
    text = "holds" if holds else "MISSED"
    if within(summary.minimum) != within(summary.maximum):
        text += " (rounds on both sides)"
    return holds, text


def percentile(values, p):
    """The nearest-rank percentile: the smallest value with at least p % of the values
    at or below it."""
    if not values:
        raise ValueError("no values")
    ordered = sorted(values)
    return ordered[max(0, math.ceil(p / 100 * len(ordered)) - 1)]


def ratio_cells(summary, digits=2):
    """The median, minimum and spread columns of a table row."""
    f = f"{{:.{digits}f}}"
    return f.format(summary.median), f.format(summary.minimum), f.format(summary.spread)
