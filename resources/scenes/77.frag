// Placeholder: title over motif.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy;
    vec3 t = texture2D(iChannel4, uv).rgb;
    vec3 m = texture2D(iChannel7, uv * 1.5 + vec2(0.0, 0.02 * iGlobalTime)).rgb;
    float f = 0.5 + 0.5 * sin(iGlobalTime * 0.5);
    gl_FragColor = vec4(mix(m * 0.5, t, f), 1.0);
}
