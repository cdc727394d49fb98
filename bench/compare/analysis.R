# The grouped analysis the comparison times, in base R (or with qcc when asked).
args <- commandArgs(trailingOnly = TRUE)
data <- read.csv(args[1])
if (length(args) > 1 && args[2] == "qcc") {
  suppressMessages(library(qcc))
  groups <- qcc.groups(data$x, data$sample)
  chart <- qcc(groups, type = "R", plot = FALSE)
  print(process.capability(qcc(groups, type = "xbar", plot = FALSE),
                           spec.limits = c(73.95, 74.05), plot = FALSE))
} else {
  ranges <- tapply(data$x, data$sample, function(v) diff(range(v)))
  sigma <- mean(ranges) / 2.326
  mu <- mean(data$x)
  print(c(mean = mu, sd = sd(data$x), quantile(data$x, c(0.25, 0.5, 0.75)),
          cp = 0.1 / (6 * sigma), cpk = min(74.05 - mu, mu - 73.95) / (3 * sigma)))
}
