"""The grouped analysis the comparison times, with numpy."""
import sys

import numpy as np

data = np.genfromtxt(sys.argv[1], delimiter=",", skip_header=1)
x, sample = data[:, 0], data[:, 1].astype(int)
groups = x.reshape(-1, 5)
sigma = (groups.max(axis=1) - groups.min(axis=1)).mean() / 2.326
mu = x.mean()
print(mu, x.std(ddof=1), np.percentile(x, [25, 50, 75]),
      0.1 / (6 * sigma), min(74.05 - mu, mu - 73.95) / (3 * sigma))
