"""The identifier header the builder writes beside the template: the names the tool's
code uses for the window, its records and its handler slots, and the slots agree
with the bindings stored in the template."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))

import template_builder  # noqa: E402
import template_format as tf  # noqa: E402


def description(handlers=("kHandlerCreated", "kHandlerClick"), box_code="kBox"):
    window = {"id": "0x06010000", "code": "kItself", "name": "", "type": "window", "container": None,
              "left": 0, "top": 0, "width": 100, "height": 80, "state": ["visible"],
              "events": [[0, "kHandlerCreated"]]}
    box = {"id": "0x16010005", "code": box_code, "name": "按钮1", "type": "Button", "container": None,
           "left": 4, "top": 4, "width": 40, "height": 20, "state": ["visible"],
           "events": [[0, "kHandlerClick"]]}
    plain = {"id": "0x16010006", "name": "标签1", "type": "Label", "container": None,
             "left": 4, "top": 30, "width": 40, "height": 20, "state": ["visible"]}
    return {"handlers": list(handlers),
            "windows": [{"id": "0x52010001", "code": "kWindowId", "components": [window, box, plain]}]}


class IdentifierHeader(unittest.TestCase):
    def test_names_each_coded_record_and_each_handler_slot(self):
        header = template_builder.ids_header(description()).decode("utf-8")
        self.assertIn("inline constexpr rt::u32 kWindowId = 0x52010001;", header)
        self.assertIn("    kItself = 0x06010000,  // window\n", header)
        self.assertIn("    kBox = 0x16010005,  // 按钮1\n", header)
        self.assertNotIn("0x16010006", header)  # a record without a code name stays out
        self.assertIn("    kHandlerCreated = 0,  // window event 0\n", header)
        self.assertIn("    kHandlerClick = 1,  // 按钮1 event 0\n", header)
        self.assertIn("    kHandlerCount = 2,\n", header)

    def test_the_stored_binding_is_the_slot_the_header_names(self):
        for handlers in (("kHandlerCreated", "kHandlerClick"), ("kHandlerClick", "kHandlerCreated")):
            desc = description(handlers)
            offsets = tf.handler_offsets(desc["handlers"])
            stored = tf.decode_segment(tf.encode_segment(description(handlers), offsets), {})
            click = handlers.index("kHandlerClick")
            self.assertEqual(stored["windows"][0]["components"][1]["events"], [[0, 4 * click]])
            self.assertIn("    kHandlerClick = %d," % click, template_builder.ids_header(desc).decode("utf-8"))

    def test_a_name_given_twice_is_refused(self):
        with self.assertRaises(tf.FormatError):
            template_builder.ids_header(description(box_code="kItself"))
        with self.assertRaises(tf.FormatError):
            tf.handler_offsets(["kHandlerCreated", "kHandlerCreated"])
        with self.assertRaises(tf.FormatError):
            template_builder.ids_header(description(handlers=("kHandlerCreated", "kItself")))


if __name__ == "__main__":
    unittest.main()
