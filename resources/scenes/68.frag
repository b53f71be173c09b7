// Placeholder: noise-warped bricks and motif.

#ifdef GL_ES
precision mediump float;
#endif

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy;
    vec2 m = iMouse.xy / iResolution.xy;
    vec3 n = texture2D(iChannel0, uv * 0.5 + vec2(0.03 * iGlobalTime, 0.0)).rgb;
    vec3 a = texture2D(iChannel1, uv + 0.05 * (n.rg - 0.5) + 0.01 * m).rgb;
    vec3 b = texture2D(iChannel2, uv * 2.0 + vec2(0.0, 0.1 * iGlobalTime)).rgb;
    float k = 0.5 + 0.5 * sin(iGlobalTime + 6.0 * uv.x);
    gl_FragColor = vec4(mix(a, b, k), 1.0);
}
