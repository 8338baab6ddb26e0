"""The documents that the check scripts export: files given by name, and the
documents of folders given (folders that are not there are passed over)."""
import os


def documents(paths, extensions):
    for path in paths:
        if os.path.isdir(path):
            for name in sorted(os.listdir(path)):
                if name.lower().endswith(extensions):
                    yield os.path.join(path, name)
        elif os.path.isfile(path):
            yield path
