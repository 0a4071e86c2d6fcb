"""The benchmark's arithmetic: ratios paired by round, verdicts, percentiles, and the
wait for the file system to settle."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "bench"))

from figures import Rounds, Summary, judge, percentile  # noqa: E402
from settle import pending_kb, settle  # noqa: E402


class PairedRatios(unittest.TestCase):
    def test_each_round_gives_its_own_ratio(self):
        r = Rounds()
        # A burst of load slows the second round's baseline only: the ratio of the
        # medians (20 / 60) would hide what each round saw.
        r.add("walk", tool=10.0, baseline=100.0)
        r.add("walk", tool=20.0, baseline=40.0)
        r.add("walk", tool=30.0, baseline=60.0)
        r.add("walk", tool=5.0)  # a round that lost its baseline counts for nothing
        s = Summary(r.ratios("walk", "tool", "baseline"))
        self.assertEqual(s.count, 3)
        self.assertAlmostEqual(s.median, 0.5)
        self.assertAlmostEqual(s.minimum, 0.1)
        self.assertAlmostEqual(s.spread, 0.4)
        self.assertEqual(r.median("walk", "tool"), 15.0)

    def test_no_rounds_is_an_error_not_a_figure(self):
        with self.assertRaises(ValueError):
            Summary(Rounds().ratios("walk", "tool", "baseline"))


class Verdicts(unittest.TestCase):
    def test_the_median_decides_and_a_split_is_said(self):
        self.assertEqual(judge(Summary([0.5, 0.55, 0.7]), 0.6), (True, "holds (rounds on both sides)"))
        self.assertEqual(judge(Summary([0.5, 0.65, 0.7]), 0.6), (False, "MISSED (rounds on both sides)"))
        self.assertEqual(judge(Summary([0.2, 0.25]), 0.3), (True, "holds"))
        self.assertEqual(judge(Summary([0.6]), 0.6), (True, "holds"))
        self.assertEqual(judge(Summary([20.0]), 20.0, strict=True), (False, "MISSED"))

    def test_nearest_rank_percentile(self):
        self.assertEqual(percentile(list(range(100, 0, -1)), 99), 99)
        self.assertEqual(percentile([3.0, 1.0, 2.0], 99), 3.0)
        self.assertEqual(percentile([7.0], 50), 7.0)
        with self.assertRaises(ValueError):
            percentile([], 99)


def meminfo(dirty, writeback):
    return f"MemTotal: 100 kB\nDirty:  {dirty} kB\nWriteback: {writeback} kB\nWritebackTmp: 9 kB\n"


class Settling(unittest.TestCase):
    def run_settle(self, pending, limit_s=60.0):
        """settle() against a scripted /proc/meminfo; each poll takes a second."""
        now = [0.0]
        syncs = []
        polls = iter(pending)
        last = [None]

        def read():
            last[0] = next(polls, last[0])
            return meminfo(*last[0])

        waited, left = settle(read=read, sync=lambda: syncs.append(now[0]), clock=lambda: now[0],
                              sleep=lambda s: now.__setitem__(0, now[0] + 1.0), limit_s=limit_s)
        return waited, left, syncs

    def test_waits_for_dirty_and_writeback_to_drain(self):
        waited, left, syncs = self.run_settle([(90000, 4000), (30000, 9000), (1500, 400)])
        self.assertEqual((waited, left), (2.0, 1900))
        self.assertEqual(syncs, [0.0])

    def test_syncs_again_and_gives_up_at_the_limit(self):
        waited, left, syncs = self.run_settle([(50000, 0)], limit_s=12.0)
        self.assertEqual((waited, left), (12.0, 50000))
        self.assertEqual(syncs, [0.0, 5.0, 10.0])

    def test_counts_only_dirty_and_writeback(self):
        self.assertEqual(pending_kb(meminfo(12, 30)), 42)
        with self.assertRaises(ValueError):
            pending_kb("MemTotal: 100 kB\nDirty: 5 kB\n")


if __name__ == "__main__":
    unittest.main()
