"""Builds the Python package qrvex with CMake for `pip install --no-build-isolation .`.

The tree is configured in build/pip (QRV_PIP_BUILD_DIR chooses another) for
the interpreter that runs pip, built without tests or benchmarks, and its
runtime libraries and the package installed into a staging folder laid out
as the package: qrvex/ with the module, and qrvex/lib/ with the libraries
the module finds through its RUNPATH ($ORIGIN/lib).
"""

import os
import pathlib
import shutil
import subprocess
import sys

from setuptools import Extension, setup
from setuptools.command.build_ext import build_ext

ROOT = pathlib.Path(__file__).resolve().parent
SITE = "site"


def run(*command):
    print("+", " ".join(str(word) for word in command), flush=True)
    subprocess.run([str(word) for word in command], check=True)


def configure_arguments(build):
    arguments = ["-S", ROOT, "-B", build, "-DCMAKE_BUILD_TYPE=Release", "-DQRV_BUILD_PYTHON=ON",
                 "-DQRV_BUILD_TESTS=OFF", "-DQRV_BUILD_BENCH=OFF", f"-DPython3_EXECUTABLE={sys.executable}",
                 f"-DQRV_PYTHON_INSTALL_DIR={SITE}", f"-DCMAKE_INSTALL_LIBDIR={SITE}/qrvex/lib"]
    if shutil.which("ninja") and not (build / "CMakeCache.txt").exists():
        arguments += ["-G", "Ninja"]
    if shutil.which("ccache"):
        arguments += ["-DCMAKE_C_COMPILER_LAUNCHER=ccache", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    return arguments


def copy_package(staged, package):
    """The staged package into package, each library once under the name the
    loader asks for (libqrvex.so.1), without the links to it."""
    shutil.copytree(staged, package, ignore=shutil.ignore_patterns("lib"), dirs_exist_ok=True)
    libraries = package / "lib"
    shutil.rmtree(libraries, ignore_errors=True)
    libraries.mkdir()
    for library in (staged / "lib").glob("*.so.1"):
        shutil.copyfile(library.resolve(), libraries / library.name)


class CMakeBuild(build_ext):
    """Builds the extension qrvex._qrvex, and the libraries beside it, with CMake."""

    def build_extension(self, ext):
        build = pathlib.Path(os.environ.get("QRV_PIP_BUILD_DIR", ROOT / "build" / "pip")).resolve()
        stage = build / "stage"
        run("cmake", *configure_arguments(build))
        run("cmake", "--build", build, "--parallel", os.environ.get("QRV_PIP_JOBS", "2"))
        shutil.rmtree(stage, ignore_errors=True)
        for component in ("runtime", "python"):
            run("cmake", "--install", build, "--component", component, "--prefix", stage)
        staged = stage / SITE / "qrvex"
        if not list(staged.glob("_qrvex*")):
            sys.exit("qrvex: CMake built no module _qrvex: pybind11 (pybind11-dev) or the Python headers "
                     "(python3-dev) are not found; see the configure output above")
        copy_package(staged, pathlib.Path(self.get_ext_fullpath(ext.name)).parent)


setup(
    packages=["qrvex"],
    package_dir={"qrvex": "bindings/python/qrvex"},
    package_data={"qrvex": ["*.pyi", "py.typed"]},
    ext_modules=[Extension("qrvex._qrvex", sources=[])],
    cmdclass={"build_ext": CMakeBuild},
    zip_safe=False,
)
