#!/usr/bin/env python3
"""Edge cases of the sky data generator: python3 tools/skydata/test_make_skydata.py"""
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import make_skydata as m  # noqa: E402


class Formats(unittest.TestCase):
    def test_ra_rounding_carries_through_minutes_hours_and_midnight(self):
        self.assertEqual(m.fmt_ra(-84.0), "182400")           # source RA below 0
        self.assertEqual(m.fmt_ra(15 * (1 + 59 / 60 + 59.6 / 3600)), "020000")
        self.assertEqual(m.fmt_ra(360 - 0.4 / 240), "000000")  # 23:59:59.6
        self.assertEqual(m.fmt_ra(-180.0), "120000")

    def test_dec_rounding_carries_and_keeps_sign(self):
        self.assertEqual(m.fmt_dec(-16.7161), "-1643")
        self.assertEqual(m.fmt_dec(29.9999), "+3000")
        self.assertEqual(m.fmt_dec(-0.004), "-0000")
        self.assertEqual(m.fmt_dec(89.9999), "+9000")

    def test_magnitude_and_fields(self):
        self.assertEqual(m.fmt_mag(-1.4), "-1.40")
        self.assertEqual(m.fmt_mag(4.5), "4.50")
        self.assertEqual(m.field("ベガ"), "ベガ")
        self.assertEqual(m.field("a,b"), '"a,b"')
        self.assertRaises(ValueError, m.field, 'a"b')

    def test_faintest_setting_takes_what_rounds_to_five(self):
        self.assertTrue(m.shown_at_faintest(5.49))
        self.assertTrue(m.shown_at_faintest(5.494))   # written 5.49
        self.assertFalse(m.shown_at_faintest(5.5))    # 5.50 rounds half to even: 6
        self.assertFalse(m.shown_at_faintest(5.496))  # written 5.50
        self.assertTrue(m.shown_at_faintest(-1.44))

    def test_thresholds(self):
        self.assertEqual(m.threshold_of(-1.44), 1)
        self.assertEqual(m.threshold_of(2.0), 2)
        self.assertEqual(m.threshold_of(2.01), 3)
        self.assertEqual(m.threshold_of(6.2), 5)
        self.assertEqual(m.base_dist(-1.44), 11)   # clears the 7.44-unit disc
        self.assertEqual(m.base_dist(5.0), 8)


class Matching(unittest.TestCase):
    def setUp(self):
        def star(hip, ra, dec, mag):
            return {"id": hip, "properties": {"mag": mag},
                    "geometry": {"coordinates": [ra, dec]}}
        self.stars = m.Stars([star(1, 179.99995, 10.0, 5.0), star(2, -0.0001, 0.0, 3.0),
                              star(3, 10.0, 20.0, 6.0), star(4, 10.0002, 20.0, 4.0),
                              star(5, 37.9546, 89.2641, 2.0), star(6, 10.0, -70.0, 1.0),
                              star(7, 100.0, 89.95, 6.0)])

    def test_matches_across_ra_seams(self):
        self.assertEqual(self.stars.match(-179.99995, 10.0), 1)
        self.assertEqual(self.stars.match(359.9999, 0.0), 2)
        self.assertEqual(self.stars.match(0.0001, 0.0), 2)   # 0.7" away

    def test_nearest_wins_and_far_vertices_fail(self):
        self.assertEqual(self.stars.match(10.0, 20.0), 3)
        self.assertEqual(self.stars.match(10.0002, 20.0), 4)
        self.assertEqual(self.stars.match(37.94, 89.2641), 5)
        self.assertEqual(self.stars.match(100.1, 89.95), 7)  # 0.1 deg RA = 0.3"
        self.assertRaises(SystemExit, self.stars.match, 10.001, 20.0)

    def test_pieces_are_cut_at_stars_that_never_rise(self):
        geo = {"coordinates": [[[-0.0001, 0.0], [10.0, -70.0], [10.0002, 20.0], [179.99995, 10.0]]]}
        self.assertEqual(m.figure_pieces(self.stars, geo), [[2], [4, 1]])

    def test_chain_joins_continuing_pieces(self):
        self.assertEqual(m.chain_pieces([[1, 2], [2, 3], [5, 3], [7]]), [[1, 2, 3, 5], [7]])


class MilkyWay(unittest.TestCase):
    @staticmethod
    def square(lon0, lon1, lat0, lat1):
        return [[lon0, lat0], [lon1, lat0], [lon1, lat1], [lon0, lat1], [lon0, lat0]]

    def test_even_odd_with_hole_and_seam(self):
        # a box across RA 180 deg with a hole whose edge lies on a grid meridian
        outer = self.square(170.0, -170.0, -10.0, 10.0)
        hole = self.square(179.5, -175.0, -5.0, 5.0)
        feats = [{"id": "ol1", "geometry": {"coordinates": [[outer, hole]]}}]
        pts, n = m.milky_way(feats)
        # grid centres on the hole's west edge (179.5) count as in the hole
        self.assertEqual(n, 20 * 20 - 6 * 10)
        for ra, dec in pts:
            self.assertTrue(170 <= ra <= 190 and -10 <= dec <= 10, (ra, dec))
            self.assertFalse(179 < ra < 185 and -5 < dec < 5, (ra, dec))


class LabelBox(unittest.TestCase):
    def test_boxes_clear_the_star(self):
        for code in m.CODES:
            a0, a1, b0, b1 = m.Placer.box(code, 10, 30)
            nearest = (max(a0, 0, -a1) ** 2 + max(b0, 0, -b1) ** 2) ** 0.5
            self.assertAlmostEqual(nearest, 10, places=6, msg=code)


if __name__ == "__main__":
    unittest.main()
