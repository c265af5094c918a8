# Helpers of the Python tests: the tools that judge the output, and a small PNG.
import struct
import subprocess
import zlib


def run(*cmd):
    """The standard output of a tool that must succeed."""
    return subprocess.run(cmd, check=True, capture_output=True, text=True).stdout


def pdf_text(path):
    run("qpdf", "--check", str(path))
    return run("pdftotext", "-layout", str(path), "-")


def png(width=4, height=3, rgb=(200, 30, 30)):
    """A solid-colour PNG, written by hand so the tests need no imaging package."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = b"".join(b"\0" + bytes(rgb) * width for _ in range(height))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
