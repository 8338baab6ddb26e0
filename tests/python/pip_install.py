"""`pip install --no-build-isolation --no-index SOURCE` into a fresh virtual
environment builds the package from the tree with nothing downloaded; the
installed package, outside the tree and without LD_LIBRARY_PATH, converts a
sample as the tool does.  Exits 77 (skipped) where venv, pip, setuptools or
wheel is missing.

Usage: python3 pip_install.py SOURCE_DIR BUILD_DIR
"""

import importlib.util
import os
import pathlib
import subprocess
import sys
import tempfile

SKIP = 77


def missing_tools():
    missing = [name for name in ("pip", "setuptools", "venv", "wheel") if importlib.util.find_spec(name) is None]
    return f"no {', '.join(missing)} for {sys.executable}" if missing else None


def run(command, **options):
    print("+", " ".join(command), flush=True)
    return subprocess.run(command, check=True, **options)


def main(source, build):
    if (why := missing_tools()) is not None:
        print(f"skipped: {why}")
        return SKIP
    with tempfile.TemporaryDirectory(prefix="qrvex-pip-") as temporary:
        environment = pathlib.Path(temporary) / "venv"
        # The system's pip, setuptools and wheel serve the environment.
        run([sys.executable, "-m", "venv", "--system-site-packages", "--without-pip", str(environment)])
        python = str(environment / "bin" / "python")
        env = dict(os.environ, QRV_PIP_BUILD_DIR=str(build), PIP_NO_INDEX="1", PIP_DISABLE_PIP_VERSION_CHECK="1")
        env.pop("PYTHONPATH", None)
        env.pop("LD_LIBRARY_PATH", None)
        run([python, "-m", "pip", "install", "--no-build-isolation", "--no-index", str(source)], env=env)
        script = ("import qrvex, sys; print(qrvex.__file__); "
                  "sys.stdout.write(qrvex.convert(sys.argv[1]))")
        page = run([python, "-c", script, str(pathlib.Path(source) / "samples" / "report.qrvt")], env=env,
                   cwd=temporary, capture_output=True, text=True).stdout
    where, _, html = page.partition("\n")
    expected = (pathlib.Path(source) / "samples" / "report.html").read_text(encoding="utf-8")
    if not where.startswith(str(environment)):
        print(f"imported {where}, not the environment's package")
        return 1
    if html != expected:
        print("the installed package's page differs from samples/report.html")
        return 1
    print(f"installed and imported from {where}")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
