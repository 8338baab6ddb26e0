#!/usr/bin/env python3
"""Crops a screenshot to what is drawn on its white page, with a margin, and
writes it as a small PNG (256 colours).
Usage: python3 scripts/trim-screenshot.py IN.png OUT.png"""
import sys

from PIL import Image, ImageChops

MARGIN = 16


def trimmed(image):
    image = image.convert('RGB')
    drawn = ImageChops.difference(image, Image.new('RGB', image.size, 'white')).getbbox()
    if not drawn:
        return image
    left, top, right, bottom = drawn
    return image.crop((max(left - MARGIN, 0), max(top - MARGIN, 0),
                       min(right + MARGIN, image.width), min(bottom + MARGIN, image.height)))


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    trimmed(Image.open(sys.argv[1])).quantize(256).save(sys.argv[2], optimize=True)
